#include "records/best_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
  EXPECT_EQ(entries(nested.path().parent_path()), std::vector<std::string>{"minebs.txt"});
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

TEST_F(BestFileTest, EachLevelReplacesOnlyItsOwnFields) {
  std::string bestline = "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"";
  file.storeRecord(bestline, 1, 45, "x");
  EXPECT_EQ(bestline, "\" 45  2  3x       bbbbbbbbcccccccc\"");
  file.storeRecord(bestline, 3, 999, "zzzzzzzz");
  EXPECT_EQ(bestline, "\" 45  2999x       bbbbbbbbzzzzzzzz\"");
  EXPECT_EQ(readBytes(path), fileLine(bestline));
}

TEST_F(BestFileTest, NamesAreCutPaddedAndMadeSafe) {
  struct Case {
    std::string typed;
    std::string stored;
  };
  const Case cases[] = {
      {"abcdefghijkl", "abcdefgh"},
      {"", "        "},
      {"a\"b\r\nc\xE2\x82\xAC\xC3\xA9z", "a\"b  c?\xE9"},
  };
  std::string bestline = file.load();
  for (const Case& c : cases) {
    EXPECT_FALSE(file.storeRecord(bestline, 1, 10, c.typed));
    EXPECT_EQ(bestline, "\" 10999999" + c.stored + "MrNobodyMrNobody\"");
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
  std::string bestline = "\"  5";
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

// A writer whose step `failAt` fails with `error`, a write after half of its
// bytes, as a full disk does.
enum class Step { Create, Write, Sync, Close, Rename, OpenDirectory, SyncDirectory };

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
  static const char* const kNames[] = {"Create", "Write", "Sync", "Close", "Rename", "OpenDirectory", "SyncDirectory"};
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
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"minebs.txt"});
  EXPECT_EQ(file.load(), bestline);  // not thrown away by the next load

  // Once a write goes through again, the file is read as usual.
  EXPECT_FALSE(file.storeRecord(bestline, 2, 1, "next"));
  EXPECT_EQ(readBytes(path), fileLine("\"  0  1  3new     next    cccccccc\""));
  writeBytes(path, old);
  EXPECT_EQ(file.load(), "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedWrite,
                         testing::Values(Step::Create, Step::Write, Step::Sync, Step::Close, Step::Rename,
                                         Step::OpenDirectory, Step::SyncDirectory),
                         stepName);

TEST(DirectorySync, AFileSystemWithoutItCountsAsSaved) {
  TempDir dir;
  FailingWriter writer(Step::SyncDirectory, EINVAL);
  BestFile file(dir / "minebs.txt", writer);
  std::string bestline = defaultLine();
  EXPECT_FALSE(file.storeRecord(bestline, 1, 5, "a"));
  EXPECT_EQ(readBytes(dir / "minebs.txt"), fileLine(bestline));
}

}  // namespace
}  // namespace klandor
