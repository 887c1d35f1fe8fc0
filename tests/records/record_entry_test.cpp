#include "records/record_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "failing_files.h"
#include "mock_prompts.h"
#include "test_files.h"
#include "tests/core/game_fixture.h"

namespace klandor {
namespace {

using test::FailingFiles;
using test::kDefaultFile;
using test::MockPrompts;
using test::readBytes;
using test::Step;
using test::TempDir;
using test::writeBytes;
using testing::_;
using testing::HasSubstr;
using testing::InSequence;
using testing::Return;
using testing::StrictMock;

class RecordEntryTest : public testing::Test {
 protected:
  void SetUp() override { entry.scoreload(settings); }

  void expectRecordPrompt(const std::string& reply) {
    EXPECT_CALL(prompts, inputBox("You have the fastest time for this level. Please type your name:",
                                  "Congratulations", "MrNobody"))
        .WillOnce(Return(reply));
  }

  TempDir dir;
  std::filesystem::path path = dir / "minebs.txt";
  BestFile file{path};
  StrictMock<MockPrompts> prompts;
  testing::MockFunction<void()> showBestTimes;
  RecordEntry entry{file, prompts, showBestTimes.AsStdFunction()};
  Module1 settings;
};

TEST_F(RecordEntryTest, ScoreloadPutsTheFileLineInBestline) {
  EXPECT_EQ(settings.bestline, defaultLine());
  writeBytes(path, "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"\r\n");
  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
}

TEST_F(RecordEntryTest, OnlyATimeBelowTheStoredOnePrompts) {
  writeBytes(path, "\" 10 10 10MrNobodyMrNobodyMrNobody\"\r\n");
  entry.recordEntry(settings, 1, 10);  // the strict mock fails on any prompt

  InSequence order;
  expectRecordPrompt("Ann");
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 1, 9);
  EXPECT_EQ(settings.bestline, "\"  9 10 10Ann     MrNobodyMrNobody\"");
  EXPECT_EQ(readBytes(path), settings.bestline + "\r\n");
}

TEST_F(RecordEntryTest, WithTheDefaultTable998IsARecordAnd999IsNot) {
  for (int level = 1; level <= 3; ++level) entry.recordEntry(settings, level, 999);
  expectRecordPrompt("Bo");
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 3, 998);
  EXPECT_EQ(settings.bestline, "\"999999998MrNobodyMrNobodyBo      \"");
}

// A Beginner name of digits stands where a fourth level's time would be read.
TEST_F(RecordEntryTest, ACustomGameNeverPromptsNorTouchesTheFile) {
  const std::string line = "\"999999999500     MrNobodyMrNobody\"";
  settings.bestline = line;
  entry.recordEntry(settings, 4, 1);
  entry.recordEntry(settings, 0, 1);
  EXPECT_EQ(settings.bestline, line);
  EXPECT_EQ(readBytes(path), kDefaultFile);
}

// No game lasts under a second: a file of NUL bytes (as a sparse file
// reads) holds no time to beat.
TEST_F(RecordEntryTest, ATimeThatReadsBelowOneSecondIsBeatenByAnyWin) {
  writeBytes(path, std::string(37, '\0'));
  expectRecordPrompt("Ann");
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 2, 998);
  EXPECT_EQ(storedTime(settings.bestline, 2), 998);
  EXPECT_EQ(readBytes(path), settings.bestline + "\r\n");
}

TEST_F(RecordEntryTest, ACancelledPromptStoresEightSpaces) {
  expectRecordPrompt("");
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 2, 42);
  EXPECT_EQ(settings.bestline, "\"999 42999MrNobody        MrNobody\"");
  EXPECT_EQ(readBytes(path), settings.bestline + "\r\n");
}

TEST_F(RecordEntryTest, AStoredRecordIsNotEnteredAgainForTheSameWin) {
  expectRecordPrompt("Cy");
  EXPECT_CALL(showBestTimes, Call());
  for (int call = 0; call < 5; ++call) entry.recordEntry(settings, 1, 12);
}

// Two windows of the game on one file, each with its own line in memory
// since its board began.
class TwoWindows : public RecordEntryTest {
 protected:
  void SetUp() override {
    RecordEntryTest::SetUp();
    other.scoreload(otherSettings);
  }

  BestFile otherFile{path};
  StrictMock<MockPrompts> otherPrompts;
  RecordEntry other{otherFile, otherPrompts};
  Module1 otherSettings;
};

TEST_F(TwoWindows, ARecordInOneIsNeverUndoneByTheOther) {
  EXPECT_CALL(otherPrompts, inputBox(_, _, _)).WillOnce(Return("Ann"));
  other.recordEntry(otherSettings, 1, 8);

  // Slower at the same level: no prompt, and the table shows the file.
  entry.recordEntry(settings, 1, 18);
  EXPECT_EQ(settings.bestline, "\"  8999999Ann     MrNobodyMrNobody\"");

  // Another level keeps the other window's record.
  expectRecordPrompt("Bob");
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 2, 20);
  EXPECT_EQ(readBytes(path), "\"  8 20999Ann     Bob     MrNobody\"\r\n");

  // A faster time stored while the prompt is open stays.
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce([this] {
    EXPECT_CALL(otherPrompts, inputBox(_, _, _)).WillOnce(Return("Cy"));
    other.recordEntry(otherSettings, 3, 40);
    return std::string("Dee");
  });
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 3, 50);
  EXPECT_EQ(settings.bestline, "\"  8 20 40Ann     Bob     Cy      \"");
  EXPECT_EQ(readBytes(path), settings.bestline + "\r\n");
}

TEST_F(TwoWindows, AResetInOneIsNotUndoneByAStaleRecordInTheOther) {
  EXPECT_CALL(otherPrompts, inputBox(_, _, _)).WillOnce(Return("Ann"));
  other.recordEntry(otherSettings, 1, 8);
  entry.scoreload(settings);  // holds Ann's record now
  other.resetScores(otherSettings);

  expectRecordPrompt("Bob");
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 2, 20);
  EXPECT_EQ(readBytes(path), "\"999 20999MrNobodyBob     MrNobody\"\r\n");
}

// A run whose saves all fail at their last step, until a test lets them
// through.
struct FailingRun {
  FailingRun() { entry.scoreload(settings); }

  TempDir dir;
  const std::filesystem::path path = dir / "minebs.txt";
  FailingFiles files{Step::Replace, EIO};
  BestFile file{path, files};
  StrictMock<MockPrompts> prompts;
  RecordEntry entry{file, prompts};
  Module1 settings;
};

// Every save fails: the player is told once, and the records stay for the
// run; a save that goes through again (a record's, or a load's of the
// records that waited) ends that, so that the next failure is told again.
TEST(RecordEntryFailure, ThePlayerIsToldOnceUntilASaveGoesThroughAgain) {
  FailingRun run;
  auto& [dir, path, files, file, prompts, entry, settings] = run;
  EXPECT_CALL(prompts, inputBox(_, _, _)).Times(3).WillRepeatedly(Return("Dee"));
  const std::string told = path.string() + ": " + std::strerror(EIO);
  EXPECT_CALL(prompts, warn("Best Times", kSaveFailedMessage, told)).Times(3);

  entry.recordEntry(settings, 1, 50);
  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, "\" 50999999Dee     MrNobodyMrNobody\"");
  entry.resetScores(settings);  // fails too, without a second message, and is not tried again
  EXPECT_EQ(settings.bestline, "\" 50999999Dee     MrNobodyMrNobody\"");

  files.failAt = Step::None;
  entry.scoreload(settings);
  EXPECT_EQ(readBytes(path), settings.bestline + "\r\n");
  files.failAt = Step::Replace;
  entry.resetScores(settings);  // told again
  files.failAt = Step::None;
  entry.recordEntry(settings, 2, 60);
  files.failAt = Step::Replace;
  entry.recordEntry(settings, 3, 70);  // told again
  EXPECT_EQ(settings.bestline, "\" 50 60 70Dee     Dee     Dee     \"");
}

// A file that exists but cannot be read holds no time to beat: a win sets no
// record, and at the first such win (not at the start) the player is told
// why, once. The table shows the default line meanwhile.
TEST(RecordEntryFailure, AFileThatCannotBeReadSetsNoRecordAndThePlayerIsToldOnce) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  const std::string old = "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"\r\n";
  writeBytes(path, old);
  FailingFiles files(Step::OpenToRead, EACCES);
  BestFile file(path, files);
  StrictMock<MockPrompts> prompts;
  RecordEntry entry(file, prompts);
  Module1 settings;
  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, defaultLine());

  EXPECT_CALL(prompts, warn("Best Times", kUnreadableMessage, path.string() + ": " + std::strerror(EACCES)));
  entry.recordEntry(settings, 1, 5);
  entry.recordEntry(settings, 3, 5);
  EXPECT_EQ(settings.bestline, defaultLine());
  EXPECT_EQ(readBytes(path), old);

  files.failAt = Step::None;
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce(Return("Eve"));
  entry.recordEntry(settings, 2, 1);
  EXPECT_EQ(readBytes(path), "\"  1  1  3aaaaaaaaEve     cccccccc\"\r\n");

#ifndef _WIN32
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // a folder in its place is no table either
  BestFile folder(path);
  RecordEntry other(folder, prompts);
  EXPECT_CALL(prompts, warn("Best Times", kUnreadableMessage, path.string() + ": Is a directory"));
  other.recordEntry(settings, 1, 1);
#endif
}

// At the end of the run the records that wait are tried once more; those
// that still cannot be saved are named to the player, once.
TEST(RecordEntryAtExit, NamesTheRecordsThatAreLost) {
  FailingRun run;
  auto& [dir, path, files, file, prompts, entry, settings] = run;
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce(Return("Zo\xC3\xAB")).WillOnce(Return(""));
  EXPECT_CALL(prompts, warn("Best Times", kSaveFailedMessage, _));
  entry.recordEntry(settings, 1, 50);
  entry.recordEntry(settings, 3, 7);

  EXPECT_CALL(prompts, warn("Best Times", kLostMessage,
                            "Beginner: 50 s, Zo\xC3\xAB\nExpert: 7 s\n\n" + path.string() + ": " + std::strerror(EIO)));
  entry.atExit();
  entry.atExit();  // the window closed after Exit: nothing more
}

TEST(RecordEntryAtExit, SavesTheRecordsThatWaitAndSaysNothing) {
  FailingRun run;
  auto& [dir, path, files, file, prompts, entry, settings] = run;
  RecordEntry(file, prompts).atExit();  // nothing waits: nothing to say
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce(Return("Ann"));
  EXPECT_CALL(prompts, warn(_, _, _));
  entry.recordEntry(settings, 2, 20);
  files.failAt = Step::None;
  entry.atExit();
  EXPECT_EQ(readBytes(path), "\"999 20999MrNobodyAnn     MrNobody\"\r\n");
}

// No place for the file: the game plays on with what this run stores.
TEST(RecordEntryFailure, WithoutAPlaceForTheFileThePlayerIsToldOnce) {
  BestFile file{std::filesystem::path()};
  StrictMock<MockPrompts> prompts;
  RecordEntry entry(file, prompts);
  Module1 settings;
  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, defaultLine());

  EXPECT_CALL(prompts, inputBox(_, _, _)).Times(2).WillRepeatedly(Return("Dee"));
  EXPECT_CALL(prompts, warn("Best Times", kNoPlaceMessage, kHomeVariable));
  entry.recordEntry(settings, 1, 50);
  entry.recordEntry(settings, 2, 40);
  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, "\" 50 40999Dee     Dee     MrNobody\"");

  // Why was said: at the end only what is lost.
  EXPECT_CALL(prompts, warn("Best Times", kLostMessage, "Beginner: 50 s, Dee\nIntermediate: 40 s, Dee"));
  entry.atExit();
}

// The real game: a release that opens the whole board at once wins inside a
// cascade, where wincheck runs again and again.
class GameWin : public test::GameTest {
 protected:
  void SetUp() override {
    entry.scoreload(settings);
    game.setRecords(&entry);
    layMinesLast();
  }

  TempDir dir;
  BestFile file{dir / "minebs.txt"};
  StrictMock<MockPrompts> prompts;
  testing::MockFunction<void()> showBestTimes;
  RecordEntry entry{file, prompts, showBestTimes.AsStdFunction()};
};

TEST_F(GameWin, AWinInsideACascadePromptsOnce) {
  InSequence order;
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce(Return("Eve"));
  EXPECT_CALL(showBestTimes, Call());
  click(1);
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(settings.bestline, "\"  1999999Eve     MrNobodyMrNobody\"");
}

}  // namespace
}  // namespace klandor
