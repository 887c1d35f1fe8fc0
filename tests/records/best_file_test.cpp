#include "records/best_file.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "test_files.h"

namespace klandor {
namespace {

using test::entries;
using test::kDefaultFile;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::string fileLine(const std::string& line) { return line + "\r\n"; }

class BestFileTest : public testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path path = dir / "minebs.txt";
  BestFile file{path};
};

TEST_F(BestFileTest, FirstLoadCreatesTheDirectoryAndTheDefaultFile) {
  BestFile nested(dir / "data" / "klandor" / "minebs.txt");
  EXPECT_EQ(nested.load(), "\"999999999MrNobodyMrNobodyMrNobody\"");
  EXPECT_EQ(readBytes(nested.path()), kDefaultFile);
  EXPECT_EQ(kDefaultFile.size(), 37u);
  EXPECT_EQ(entries(nested.path().parent_path()), (std::vector<std::string>{"minebs.txt", "minebs.txt.lock"}));
  EXPECT_EQ(std::filesystem::status(nested.lockPath()).permissions(),
            std::filesystem::status(nested.path()).permissions());
}

TEST_F(BestFileTest, AFileNamedInAnotherLetterCaseCountsAsAbsent) {
  const std::string other = fileLine("\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
  writeBytes(dir / "MINEBS.TXT", other);
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_EQ(readBytes(path), kDefaultFile);
  EXPECT_EQ(readBytes(dir / "MINEBS.TXT"), other);
}

TEST_F(BestFileTest, LoadGivesTheFirstLineUpToTheFirstCarriageReturn) {
  writeBytes(path, "\"  5 12999ab      cd      ef      \"\r\nsecond line\r\n");
  EXPECT_EQ(file.load(), "\"  5 12999ab      cd      ef      \"");
  writeBytes(path, "\"no\nreturn");  // a line feed alone ends nothing
  EXPECT_EQ(file.load(), "\"no\nreturn");
}

TEST_F(BestFileTest, OtherContentIsReadByPosition) {
  writeBytes(path, "\"  5abc\r\n");
  const std::string line = file.load();
  EXPECT_EQ(line, "\"  5abc");
  EXPECT_EQ(storedTime(line, 1), 5);
  EXPECT_EQ(storedTime(line, 2), 0);  // no digits
  EXPECT_EQ(storedTime(line, 3), 0);  // beyond the end
  EXPECT_EQ(field(line, nameOffset(1), kNameWidth), "");
  EXPECT_EQ(readBytes(path), "\"  5abc\r\n");
}

TEST_F(BestFileTest, EmptyOrUnreadableFilesCountAsTheDefaultLineAndAreLeftAlone) {
  writeBytes(path, "");
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_EQ(readBytes(path), "");

  writeBytes(path, "\r\n\"  1  1  1aaaaaaaabbbbbbbbcccccccc\"\r\n");  // an empty first line
  EXPECT_EQ(file.load(), defaultLine());

  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_TRUE(std::filesystem::is_directory(path));

  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // would block a plain open for reading
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_TRUE(std::filesystem::is_fifo(path));

  std::filesystem::remove(path);
  std::filesystem::create_symlink(dir / "nowhere", path);
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_TRUE(std::filesystem::is_symlink(path));
}

TEST_F(BestFileTest, AFileThatCannotBeCreatedStillGivesTheDefaultLine) {
  writeBytes(dir / "plain", "x");
  BestFile blocked(dir / "plain" / "minebs.txt");
  EXPECT_EQ(blocked.load(), defaultLine());
}

TEST_F(BestFileTest, StoringSevenSecondsForIntermediateAsAbc) {
  std::string bestline = file.load();
  EXPECT_FALSE(file.storeRecord(bestline, 2, 7, "abc"));
  EXPECT_EQ(bestline, "\"999  7999MrNobodyabc     MrNobody\"");
  EXPECT_EQ(readBytes(path), fileLine(bestline));
  EXPECT_EQ(BestFile(path).load(), bestline);
}

// The record is built on the file, not on a line read before another
// window stored.
TEST_F(BestFileTest, EachLevelReplacesOnlyItsOwnFieldsOfWhatTheFileHolds) {
  writeBytes(path, fileLine("\" 50 60 70aaaaaaaabbbbbbbbcccccccc\""));
  std::string bestline = defaultLine();
  file.storeRecord(bestline, 1, 45, "x");
  EXPECT_EQ(bestline, "\" 45 60 70x       bbbbbbbbcccccccc\"");
  file.storeRecord(bestline, 3, 7, "zzzzzzzz");
  EXPECT_EQ(bestline, "\" 45 60  7x       bbbbbbbbzzzzzzzz\"");
  EXPECT_EQ(readBytes(path), fileLine(bestline));
}

TEST_F(BestFileTest, NamesAreCutPaddedAndMadeSafe) {
  struct Case {
    int seconds;
    std::string typed;
    std::string stored;
  };
  const Case cases[] = {
      {30, "abcdefghijkl", "abcdefgh"},
      {20, "", "        "},
      {10, "a\"b\r\nc\xE2\x82\xAC\xC3\xA9z", "a\"b  c?\xE9"},
  };
  std::string bestline = file.load();
  for (const Case& c : cases) {
    EXPECT_FALSE(file.storeRecord(bestline, 1, c.seconds, c.typed));
    EXPECT_EQ(bestline, "\" " + std::to_string(c.seconds) + "999999" + c.stored + "MrNobodyMrNobody\"");
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.size(), 37u);
    EXPECT_EQ(bytes, fileLine(bestline));
    EXPECT_EQ(BestFile(path).load(), bestline);
  }
}

TEST_F(BestFileTest, ExtraCharactersAfterTheLineAreDroppedAtTheNextRecord) {
  writeBytes(path, "\"999999999MrNobodyMrNobodyMrNobody\"EXTRA\r\n");
  std::string bestline = file.load();
  EXPECT_EQ(bestline.size(), 40u);
  file.storeRecord(bestline, 3, 120, "abc");
  EXPECT_EQ(bestline, "\"999999120MrNobodyMrNobodyabc     \"");
  EXPECT_EQ(readBytes(path), fileLine(bestline));
}

TEST_F(BestFileTest, AShortLineIsFilledWithSpacesSoTheFileStays37Bytes) {
  writeBytes(path, "\"  5 40\r\n");
  std::string bestline = file.load();
  file.storeRecord(bestline, 2, 30, "ab");
  EXPECT_EQ(bestline, "\"  5 30   " + std::string(8, ' ') + "ab      " + std::string(8, ' ') + "\"");
  EXPECT_EQ(readBytes(path).size(), 37u);
  EXPECT_EQ(storedTime(bestline, 1), 5);
  EXPECT_EQ(storedTime(bestline, 3), 0);
}

TEST_F(BestFileTest, ResetWritesTheDefaultLineAndPutsItInBestline) {
  std::string bestline = file.load();
  file.storeRecord(bestline, 1, 3, "fast");
  EXPECT_FALSE(file.reset(bestline));
  EXPECT_EQ(bestline, defaultLine());
  EXPECT_EQ(readBytes(path), kDefaultFile);
}

// Another window that keeps the lock: the save gives up after the wait and
// the record stays in memory, as after any failed save.
TEST_F(BestFileTest, ALockHeldTooLongIsAFailedSave) {
  BestFile impatient(path, posixFileWriter(), std::chrono::milliseconds(20));
  std::string bestline = impatient.load();
  const int holder = ::open(impatient.lockPath().c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);

  const WriteResult result = impatient.storeRecord(bestline, 1, 5, "Ann");
  ASSERT_TRUE(result);
  EXPECT_NE(result->message.find(impatient.lockPath().string()), std::string::npos) << result->message;
  EXPECT_EQ(bestline, "\"  5999999Ann     MrNobodyMrNobody\"");
  EXPECT_EQ(readBytes(path), kDefaultFile);
  EXPECT_EQ(impatient.load(), bestline);

  ::close(holder);
  EXPECT_FALSE(impatient.storeRecord(bestline, 2, 6, "Bo"));
  EXPECT_EQ(readBytes(path), fileLine("\"  5  6999Ann     Bo      MrNobody\""));
}

TEST_F(BestFileTest, ASaveRemovesWhatInterruptedSavesLeftAndNothingElse) {
  const std::vector<std::string> kept = {"minebs.txt.a1B2c", "minebs.txt.a1B2c3d", "minebs.txt.a1-2c3",
                                         "minebs.txtXa1B2c3", "other.txt.a1B2c3"};
  for (const std::string& name : kept) writeBytes(dir / name, "x");
  for (const char* leftover : {"minebs.txt.a1B2c3", "minebs.txt.ZZZZZZ"}) writeBytes(dir / leftover, "\"  1");
  std::string bestline = file.load();
  EXPECT_FALSE(file.storeRecord(bestline, 1, 9, "Cy"));
  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"minebs.txt", "minebs.txt.lock"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(entries(dir.path()), expected);
}

// A writer whose step `failAt` fails with `error`, a write after half of its
// bytes, as a full disk does.
enum class Step { OpenLock, Lock, Create, Write, Sync, Close, Rename, OpenDirectory, SyncDirectory };

class FailingWriter : public FileWriter {
 public:
  FailingWriter(Step failAt, int error) : failAt_(failAt), error_(error) {}

  int createTemp(std::string& name) override { return fail(Step::Create) ? -1 : FileWriter::createTemp(name); }
  ssize_t write(int fd, const void* data, std::size_t size) override {
    if (failAt_ != Step::Write || failed_) return FileWriter::write(fd, data, size);
    if (!halfWritten_) {
      halfWritten_ = true;
      return FileWriter::write(fd, data, size / 2);
    }
    fail(Step::Write);
    return -1;
  }
  int fsync(int fd) override {
    return fail(syncs_++ == 0 ? Step::Sync : Step::SyncDirectory) ? -1 : FileWriter::fsync(fd);
  }
  int close(int fd) override {
    const int result = FileWriter::close(fd);
    return fail(Step::Close) ? -1 : result;
  }
  int rename(const std::string& from, const std::string& to) override {
    return fail(Step::Rename) ? -1 : FileWriter::rename(from, to);
  }
  int openDirectory(const std::string& name) override {
    return fail(Step::OpenDirectory) ? -1 : FileWriter::openDirectory(name);
  }
  int openLock(const std::string& name) override { return fail(Step::OpenLock) ? -1 : FileWriter::openLock(name); }
  int flock(int fd, int operation) override { return fail(Step::Lock) ? -1 : FileWriter::flock(fd, operation); }

 private:
  bool fail(Step step) {
    if (step != failAt_ || failed_) return false;
    failed_ = true;
    errno = error_;
    return true;
  }

  Step failAt_;
  int error_;
  bool halfWritten_ = false;
  bool failed_ = false;
  int syncs_ = 0;
};

std::string stepName(const testing::TestParamInfo<Step>& info) {
  static const char* const kNames[] = {"OpenLock", "Lock",   "Create",        "Write",        "Sync",
                                       "Close",    "Rename", "OpenDirectory", "SyncDirectory"};
  return kNames[static_cast<int>(info.param)];
}

class FailedWrite : public testing::TestWithParam<Step> {
 protected:
  TempDir dir;
  std::filesystem::path path = dir / "minebs.txt";
  const std::string old = fileLine("\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
};

TEST_P(FailedWrite, LeavesTheOldFileWholeAndKeepsTheRecordInMemory) {
  writeBytes(path, old);
  FailingWriter writer(GetParam(), ENOSPC);
  BestFile file(path, writer);
  std::string bestline = file.load();

  const WriteResult result = file.storeRecord(bestline, 1, 0, "new");
  ASSERT_TRUE(result);
  EXPECT_NE(result->message.find(path.string()), std::string::npos) << result->message;
  EXPECT_NE(result->message.find(std::strerror(ENOSPC)), std::string::npos) << result->message;
  EXPECT_EQ(bestline, "\"  0  2  3new     bbbbbbbbcccccccc\"");
  if (GetParam() < Step::Rename) {
    EXPECT_EQ(readBytes(path), old);
  }
  EXPECT_THAT(entries(dir.path()), testing::IsSubsetOf({"minebs.txt", "minebs.txt.lock"}));
  EXPECT_EQ(file.load(), bestline);  // not thrown away by the next load

  // Once a write goes through again, the file is read as usual.
  EXPECT_FALSE(file.storeRecord(bestline, 2, 1, "next"));
  EXPECT_EQ(readBytes(path), fileLine("\"  0  1  3new     next    cccccccc\""));
  writeBytes(path, old);
  EXPECT_EQ(file.load(), "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedWrite,
                         testing::Values(Step::OpenLock, Step::Lock, Step::Create, Step::Write, Step::Sync,
                                         Step::Close, Step::Rename, Step::OpenDirectory, Step::SyncDirectory),
                         stepName);

TEST(DirectorySync, AFileSystemWithoutItCountsAsSaved) {
  TempDir dir;
  FailingWriter writer(Step::SyncDirectory, EINVAL);
  BestFile file(dir / "minebs.txt", writer);
  std::string bestline = defaultLine();
  EXPECT_FALSE(file.storeRecord(bestline, 1, 5, "a"));
  EXPECT_EQ(readBytes(dir / "minebs.txt"), fileLine(bestline));
}

// Counts the saves that found the lock taken by another process.
class CountingWriter : public FileWriter {
 public:
  int flock(int fd, int operation) override {
    const int result = FileWriter::flock(fd, operation);
    const bool taken = result != 0 && errno == EWOULDBLOCK;
    if (taken && !waiting_) ++waits;
    waiting_ = taken;
    return result;
  }
  int rename(const std::string& from, const std::string& to) override {
    const int result = FileWriter::rename(from, to);
    if (result == 0) ++writes;
    return result;
  }

  int waits = 0;
  int writes = 0;

 private:
  bool waiting_ = false;
};

// The name of a record holder names the time, so that the file shows
// whether each level's time and name come from one record.
std::string holder(int seconds) { return std::to_string(seconds) + "s"; }

// Eight windows storing records at random levels at once, from no file at
// all: the file ends whole, with the fastest time of each level and its
// holder, and nothing is left beside it.
TEST(SharedFile, ProcessesStoringAtOnceKeepTheFastestTimeOfEachLevel) {
  constexpr int kProcesses = 8, kRecords = 100;
  struct Record {
    int level, seconds;
  };
  std::mt19937 random(9);
  std::vector<std::vector<Record>> plans(kProcesses);
  std::array<int, 4> fastest{0, 999, 999, 999};
  for (std::vector<Record>& plan : plans) {
    for (int r = 0; r < kRecords; ++r) {
      // Times that fall as the records go on, so that many of them beat
      // the file and the processes contend for the writes.
      const Record record{std::uniform_int_distribution(1, 3)(random),
                          990 - 9 * r + std::uniform_int_distribution(0, 8)(random)};
      fastest[record.level] = std::min(fastest[record.level], record.seconds);
      plan.push_back(record);
    }
  }

  TempDir dir;
  const auto path = dir / "minebs.txt";
  int report[2], start[2];
  ASSERT_EQ(::pipe(report), 0);
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> children;
  for (const std::vector<Record>& plan : plans) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::close(start[1]);
      char go;
      if (::read(start[0], &go, 1) != 0) ::_exit(2);  // all start together, when the parent closes the pipe
      // As the game does at each win: a fresh read, then the store. One
      // process may keep the lock for a long run of back-to-back records,
      // which no player can do, so the others wait as long as it takes.
      CountingWriter writer;
      BestFile file(path, writer, std::chrono::minutes(1));
      bool saved = true;
      for (const Record& record : plan) {
        std::string bestline = file.load();
        saved = !file.storeRecord(bestline, record.level, record.seconds, holder(record.seconds)) && saved;
      }
      const std::array<int, 2> counts{writer.waits, writer.writes};
      const bool reported = ::write(report[1], counts.data(), sizeof counts) == sizeof counts;
      ::_exit(saved && reported ? 0 : 1);
    }
    children.push_back(pid);
  }
  ::close(start[0]);
  ::close(start[1]);
  ::close(report[1]);
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every save went through";
  }
  int waits = 0, writes = 0, waited = 0;
  std::array<int, 2> counts{};
  while (::read(report[0], counts.data(), sizeof counts) == sizeof counts) {
    waits += counts[0];
    writes += counts[1];
    waited += counts[0] > 0 ? 1 : 0;
  }
  ::close(report[0]);
  std::printf("%d processes, %d records stored, %d written, %d lock waits seen in %d processes\n", kProcesses,
              kProcesses * kRecords, writes, waits, waited);

  const std::string bytes = readBytes(path);
  ASSERT_EQ(bytes.size(), 37u);
  EXPECT_EQ(bytes.front(), '"');
  EXPECT_EQ(bytes.substr(34), "\"\r\n");
  const std::string line = bytes.substr(0, 35);
  for (int level = 1; level <= 3; ++level) {
    EXPECT_EQ(storedTime(line, level), fastest[level]) << level;
    const std::string name = holder(fastest[level]) + std::string(kNameWidth, ' ');
    EXPECT_EQ(field(line, nameOffset(level), kNameWidth), name.substr(0, kNameWidth)) << level;
  }
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"minebs.txt", "minebs.txt.lock"}));
}

}  // namespace
}  // namespace klandor
