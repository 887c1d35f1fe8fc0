#include "records/record_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "mock_prompts.h"
#include "test_files.h"
#include "tests/core/game_fixture.h"

namespace klandor {
namespace {

using test::kDefaultFile;
using test::MockPrompts;
using test::readBytes;
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
  settings.bestline = "\" 10 10 10MrNobodyMrNobodyMrNobody\"";
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

TEST_F(RecordEntryTest, ATimeFieldWithoutDigitsIsNeverBeaten) {
  settings.bestline = "\"999abc999MrNobodyMrNobodyMrNobody\"";
  entry.recordEntry(settings, 2, 1);
  entry.recordEntry(settings, 2, 0);
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

// A directory in the place of the file: every replacement fails.
TEST(RecordEntryFailure, ThePlayerIsToldOnceAndTheRecordsStayForTheRun) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  std::filesystem::create_directory(path);
  BestFile file(path);
  StrictMock<MockPrompts> prompts;
  testing::MockFunction<void()> showBestTimes;
  RecordEntry entry(file, prompts, showBestTimes.AsStdFunction());
  Module1 settings;
  entry.scoreload(settings);

  InSequence order;
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce(Return("Dee"));
  EXPECT_CALL(prompts, warn("Best Times", testing::AllOf(HasSubstr(path.string()), HasSubstr("Is a directory"))));
  EXPECT_CALL(showBestTimes, Call());
  entry.recordEntry(settings, 1, 50);

  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, "\" 50999999Dee     MrNobodyMrNobody\"");
  entry.resetScores(settings);  // fails too, without a second message
  entry.scoreload(settings);
  EXPECT_EQ(settings.bestline, defaultLine());
  EXPECT_TRUE(std::filesystem::is_directory(path));
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
