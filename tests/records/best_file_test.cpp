#include "records/best_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/records/system.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>

#include "failing_files.h"
#include "test_files.h"

namespace klandor {
namespace {

using test::entries;
using test::FailingFiles;
using test::Step;
using test::fsPath;
using test::kDefaultFile;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::string fileLine(const std::string& line) { return line + "\r\n"; }

// Another process, holding the lock of a lock file while this lives.
class LockHolder {
 public:
  explicit LockHolder(const FilePath& lock);
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;
  ~LockHolder();

 private:
#ifdef _WIN32
  HANDLE process_ = nullptr;
  HANDLE release_ = nullptr;
#else
  pid_t pid_ = -1;
  int release_ = -1;
#endif
};

#ifdef _WIN32
// The process is lock_holder.exe beside this test: it says "1" on its
// output once it holds the lock, and holds it until its input ends.
LockHolder::LockHolder(const FilePath& lock) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE ready = nullptr, readyEnd = nullptr, releaseEnd = nullptr;
  if (!::CreatePipe(&ready, &readyEnd, &inherited, 0) || !::CreatePipe(&releaseEnd, &release_, &inherited, 0)) {
    ADD_FAILURE() << "no pipe";
    return;
  }
  ::SetHandleInformation(ready, HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(release_, HANDLE_FLAG_INHERIT, 0);
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::filesystem::path holder = std::filesystem::path(self).parent_path() / "lock_holder.exe";
  std::wstring command = L"\"" + holder.wstring() + L"\" \"" + lock.native() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = releaseEnd;
  startup.hStdOutput = readyEnd;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  const bool running = ::CreateProcessW(holder.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &started);
  ::CloseHandle(readyEnd);
  ::CloseHandle(releaseEnd);
  char said = 0;
  DWORD n = 0;
  EXPECT_TRUE(running && ::ReadFile(ready, &said, 1, &n, nullptr) && n == 1) << "no other process holds the lock";
  ::CloseHandle(ready);
  if (running) {
    ::CloseHandle(started.hThread);
    process_ = started.hProcess;
  }
}

LockHolder::~LockHolder() {
  ::CloseHandle(release_);
  if (process_ != nullptr) {
    ::WaitForSingleObject(process_, INFINITE);
    ::CloseHandle(process_);
  }
}
#else
LockHolder::LockHolder(const FilePath& lock) {
  int ready[2], release[2];
  if (::pipe(ready) != 0 || ::pipe(release) != 0) {
    ADD_FAILURE() << "no pipe";
    return;
  }
  pid_ = ::fork();
  if (pid_ == 0) {
    FileHandle file{};
    char c = 1;
    if (platformFiles().openLock(lock, {}, file) || platformFiles().tryLock(file) || ::write(ready[1], &c, 1) != 1) {
      ::_exit(1);
    }
    ::close(release[1]);
    while (::read(release[0], &c, 1) > 0) {
    }
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(release[0]);
  release_ = release[1];
  char said = 0;
  EXPECT_EQ(::read(ready[0], &said, 1), 1) << "no other process holds the lock";
  ::close(ready[0]);
}

LockHolder::~LockHolder() {
  ::close(release_);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}
#endif

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
  EXPECT_EQ(entries(nested.path().folder()), (std::vector<std::string>{"minebs.txt", "minebs.txt.lock"}));
  EXPECT_EQ(std::filesystem::status(fsPath(nested.lockPath())).permissions(),
            std::filesystem::status(fsPath(nested.path())).permissions());
}

#ifndef _WIN32  // where names differing in letter case name different files
TEST_F(BestFileTest, AFileNamedInAnotherLetterCaseCountsAsAbsent) {
  const std::string other = fileLine("\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
  writeBytes(dir / "MINEBS.TXT", other);
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_EQ(readBytes(path), kDefaultFile);
  EXPECT_EQ(readBytes(dir / "MINEBS.TXT"), other);
}
#endif

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

#ifndef _WIN32
  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // would block a plain open for reading
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_TRUE(std::filesystem::is_fifo(path));

  std::filesystem::remove(path);
  std::filesystem::create_symlink(dir / "nowhere", path);
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_TRUE(std::filesystem::is_symlink(path));
#endif
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
  BestFile impatient(path, platformFiles(), std::chrono::milliseconds(20));
  std::string bestline = impatient.load();
  std::optional<LockHolder> holder(std::in_place, impatient.lockPath());

  const WriteResult result = impatient.storeRecord(bestline, 1, 5, "Ann");
  ASSERT_TRUE(result);
  EXPECT_NE(result->message.find(impatient.lockPath().utf8()), std::string::npos) << result->message;
  EXPECT_EQ(bestline, "\"  5999999Ann     MrNobodyMrNobody\"");
  EXPECT_EQ(readBytes(path), kDefaultFile);
  EXPECT_EQ(impatient.load(), bestline);

  holder.reset();
  // Another window stores meanwhile: the record that waits joins its line.
  BestFile other(path);
  std::string otherLine = other.load();
  EXPECT_FALSE(other.storeRecord(otherLine, 3, 7, "Cy"));
  EXPECT_EQ(impatient.load(), "\"  5999  7Ann     MrNobodyCy      \"");
  EXPECT_FALSE(impatient.storeRecord(bestline, 2, 6, "Bo"));
  EXPECT_EQ(readBytes(path), fileLine("\"  5  6  7Ann     Bo      Cy      \""));
}

// Only what the game itself made is removed: files of its own name for
// them, owned by the player, never a link, a folder or a player's copy.
TEST_F(BestFileTest, ASaveRemovesWhatInterruptedSavesLeftAndNothingElse) {
  const std::string temp = ".minebs.txt.klandor-tmp.";
  std::vector<std::string> kept = {"minebs.txt.backup", "minebs.txt.old001", "minebs.txt.a1B2c3", temp + "a1B2c",
                                   temp + "a1B2c3d",    temp + "a1-2c3",       "x" + temp + "a1B2c3"};
  for (const std::string& name : kept) writeBytes(dir / name, "x");
  std::filesystem::create_directory(dir / (temp + "FOLDER"));
  kept.push_back(temp + "FOLDER");
#ifndef _WIN32
  std::filesystem::create_symlink("minebs.txt.backup", dir / (temp + "LINK00"));
  kept.push_back(temp + "LINK00");
  if (::geteuid() == 0) {  // another user's file, where this test may make one
    writeBytes(dir / (temp + "OTHER0"), "x");
    ASSERT_EQ(::chown((dir / (temp + "OTHER0")).c_str(), 65534, 65534), 0);
    kept.push_back(temp + "OTHER0");
  }
#endif
  for (const char* leftover : {"a1B2c3", "ZZZZZZ"}) writeBytes(dir / (temp + leftover), "\"  1");
  std::string bestline = file.load();
  EXPECT_FALSE(file.storeRecord(bestline, 1, 9, "Cy"));
  kept.insert(kept.end(), {"minebs.txt", "minebs.txt.lock"});
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(entries(dir.path()), kept);
  EXPECT_EQ(readBytes(dir / "minebs.txt.backup"), "x");
}

TEST(BestTimesPath, FollowsTheXdgRuleAndWantsAnAbsoluteHome) {
  using Variables = std::map<std::string, std::string>;
  const auto pathFor = [](const Variables& variables) {
    return bestTimesPath([&](const char* name) -> std::optional<FilePath> {
      const auto it = variables.find(name);
      if (it == variables.end()) return std::nullopt;
      return it->second;
    });
  };
#ifdef _WIN32
  EXPECT_EQ(pathFor({{"APPDATA", "C:\\Users\\Ann\\AppData\\Roaming"}, {"HOME", "C:\\Users\\Ann"}}),
            "C:\\Users\\Ann\\AppData\\Roaming\\Klandor\\minebs.txt");
  for (const Variables& none : {Variables{}, Variables{{"APPDATA", ""}}, Variables{{"APPDATA", "Roaming"}}}) {
    EXPECT_EQ(pathFor(none), FilePath());
  }
#else
  const FilePath home = "/home/ann/.local/share/klandor/minebs.txt";
  EXPECT_EQ(pathFor({{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/ann"}}), "/data/klandor/minebs.txt");
  EXPECT_EQ(pathFor({{"XDG_DATA_HOME", "data"}, {"HOME", "/home/ann"}}), home);
  EXPECT_EQ(pathFor({{"XDG_DATA_HOME", ""}, {"HOME", "/home/ann"}}), home);
  EXPECT_EQ(pathFor({{"HOME", "/home/ann"}}), home);
  for (const Variables& none : {Variables{}, Variables{{"HOME", ""}}, Variables{{"HOME", "ann"}, {"XDG_DATA_HOME", "d"}}}) {
    EXPECT_EQ(pathFor(none), FilePath());
  }
#endif
}

// Counts the tries for the lock, the saves that found it taken by another
// process and the files put in place.
class CountingFiles : public PlatformFiles {
 public:
  FileOutcome tryLock(FileHandle file) override {
    ++tries;
    FileOutcome result = PlatformFiles::tryLock(file);
    const bool taken = result && result->busy;
    if (taken && !waiting_) ++waits;
    waiting_ = taken;
    return result;
  }
  FileOutcome replace(const FilePath& from, const FilePath& to) override {
    FileOutcome result = PlatformFiles::replace(from, to);
    if (!result) ++writes;
    return result;
  }

  int tries = 0;
  int waits = 0;
  int writes = 0;

 private:
  bool waiting_ = false;
};

std::string stepName(const testing::TestParamInfo<Step>& info) {
  static const char* const kNames[] = {"None",  "OpenToRead", "Read",    "OpenLock",   "Lock",
                                       "Create", "Permissions", "Write",   "Sync",       "Close",
                                       "Replace", "SyncFolder", "OpenToWrite", "Resize"};
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
  FailingFiles files(GetParam(), ENOSPC);
  BestFile file(path, files);
  std::string bestline = file.load();

  const WriteResult result = file.storeRecord(bestline, 1, 0, "new");
  ASSERT_TRUE(result);
  EXPECT_NE(result->message.find(path.string()), std::string::npos) << result->message;
  EXPECT_NE(result->message.find(std::strerror(ENOSPC)), std::string::npos) << result->message;
  EXPECT_EQ(bestline, "\"  0  2  3new     bbbbbbbbcccccccc\"");
  if (GetParam() < Step::Replace) {
    EXPECT_EQ(readBytes(path), old);
  }
  EXPECT_THAT(entries(dir.path()), testing::IsSubsetOf({"minebs.txt", "minebs.txt.lock"}));
  EXPECT_EQ(file.load(), bestline);  // not thrown away by the next load

  // Once a write goes through again, the file is read as usual.
  files.failAt = Step::None;
  EXPECT_FALSE(file.storeRecord(bestline, 2, 1, "next"));
  EXPECT_EQ(readBytes(path), fileLine("\"  0  1  3new     next    cccccccc\""));
  writeBytes(path, old);
  EXPECT_EQ(file.load(), "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"");
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedWrite,
                         testing::Values(Step::OpenLock, Step::Lock, Step::Create, Step::Permissions, Step::Write,
                                         Step::Sync, Step::Close, Step::Replace),
                         stepName);

// Once the new file is in place the record is saved, whether or not its
// folder can then be synced (a folder the player may write and search but
// not read, for one).
TEST(FailedWrite, AFolderThatCannotBeSyncedAfterwardsIsNoFailedSave) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  FailingFiles files(Step::SyncFolder, EACCES);
  BestFile file(path, files);
  std::string line = file.load();
  EXPECT_FALSE(file.storeRecord(line, 1, 5, "Ann"));
  EXPECT_FALSE(file.hasPending());
  EXPECT_EQ(readBytes(path), fileLine(line));
}

// A record that waits is put in only where it still beats the file, which
// another window may have bettered meanwhile.
TEST(PendingRecord, IsPutInOnlyWhereItStillBeatsTheFile) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  FailingFiles files(Step::Replace, EIO);
  BestFile mine(path, files), other(path);
  std::string line = mine.load(), otherLine;
  ASSERT_TRUE(mine.storeRecord(line, 1, 50, "Me"));
  ASSERT_TRUE(mine.storeRecord(line, 2, 50, "Me"));
  files.failAt = Step::None;

  otherLine = other.load();
  EXPECT_FALSE(other.storeRecord(otherLine, 1, 60, "Ann"));  // slower than mine, which it cannot see
  EXPECT_FALSE(other.storeRecord(otherLine, 2, 40, "Bo"));   // faster
  EXPECT_EQ(mine.load(), "\" 50 40999Me      Bo      MrNobody\"");
  EXPECT_FALSE(mine.storeRecord(line, 3, 30, "Me"));
  EXPECT_EQ(readBytes(path), fileLine("\" 50 40 30Me      Bo      Me      \""));

  writeBytes(path, kDefaultFile);  // saved: nothing waits any more
  EXPECT_EQ(mine.load(), defaultLine());
}

// A reset that fails is not tried again later, where it would erase what
// was stored since; one that goes through drops the records that wait.
TEST(PendingRecord, AResetDropsThemAndAFailedResetIsNotTriedAgain) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  const std::string old = fileLine("\" 10 20 30aaaaaaaabbbbbbbbcccccccc\"");
  writeBytes(path, old);
  FailingFiles files(Step::Replace, EIO);
  BestFile file(path, files);
  std::string line = file.load();
  ASSERT_TRUE(file.storeRecord(line, 1, 5, "Me"));
  ASSERT_TRUE(file.reset(line));
  EXPECT_EQ(line, "\"  5 20 30Me      bbbbbbbbcccccccc\"");
  EXPECT_EQ(readBytes(path), old);

  files.failAt = Step::None;
  EXPECT_FALSE(file.storeRecord(line, 3, 25, "Me"));
  EXPECT_EQ(readBytes(path), fileLine("\"  5 20 25Me      bbbbbbbbMe      \""));

  files.failAt = Step::Replace;
  ASSERT_TRUE(file.storeRecord(line, 2, 15, "Me"));
  files.failAt = Step::None;
  EXPECT_FALSE(file.reset(line));
  EXPECT_EQ(line, defaultLine());
  EXPECT_EQ(file.load(), defaultLine());
  EXPECT_EQ(readBytes(path), kDefaultFile);
}

// A record that could not be saved waits for the next load that gets the
// lock at once (a load never waits for it), goes into a file a load makes,
// and is tried once more at the end of the run, which waits for the lock as
// a record does.
TEST_F(BestFileTest, EveryLoadAndTheEndOfTheRunSaveTheRecordsThatWait) {
  CountingFiles files;
  BestFile patient(path, files, std::chrono::milliseconds(30));
  std::string line = patient.load();
  std::optional<LockHolder> holder(std::in_place, patient.lockPath());
  ASSERT_TRUE(patient.storeRecord(line, 2, 30, "Ann"));
  files.tries = 0;
  EXPECT_EQ(patient.load(), line);
  EXPECT_EQ(files.tries, 1);
  EXPECT_EQ(readBytes(path), kDefaultFile);
  holder.reset();
  EXPECT_EQ(patient.load(), line);
  EXPECT_FALSE(patient.hasPending());
  EXPECT_EQ(readBytes(path), fileLine(line));

  holder.emplace(patient.lockPath());
  ASSERT_TRUE(patient.storeRecord(line, 3, 40, "Bo"));
  std::filesystem::remove(path);
  files.tries = 0;
  const WriteResult result = patient.savePending();
  ASSERT_TRUE(result);
  EXPECT_GT(files.tries, 1);
  ASSERT_EQ(patient.pending().size(), 1u);
  EXPECT_EQ(patient.pending()[0].name, "Bo      ");
  holder.reset();
  EXPECT_FALSE(patient.savePending());
  EXPECT_EQ(readBytes(path), fileLine("\"999999 40MrNobodyMrNobodyBo      \""));
  files.tries = 0;
  EXPECT_FALSE(patient.savePending());  // nothing waits: the lock is not even tried
  EXPECT_EQ(files.tries, 0);

  // A load that makes the file puts in what waits.
  FailingFiles failing(Step::Replace, EIO);
  BestFile other(dir / "other" / "minebs.txt", failing);
  line = other.load();
  ASSERT_TRUE(other.storeRecord(line, 1, 9, "Cy"));
  failing.failAt = Step::None;
  EXPECT_EQ(other.load(), line);
  EXPECT_EQ(readBytes(other.path()), fileLine(line));
}

// A Reset in another window, found as the default line where this window
// last read another, takes this window's records that wait along; a file
// that another window's load makes where there was none is no Reset.
TEST(PendingRecord, AResetInAnotherWindowDropsThem) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  writeBytes(path, fileLine("\" 10 20 30aaaaaaaabbbbbbbbcccccccc\""));
  FailingFiles files(Step::Replace, EIO);
  BestFile mine(path, files), other(path);
  std::string line = mine.load(), otherLine = other.load();
  ASSERT_TRUE(mine.storeRecord(line, 1, 5, "Me"));
  EXPECT_FALSE(other.reset(otherLine));
  files.failAt = Step::None;
  EXPECT_EQ(mine.load(), defaultLine());
  EXPECT_FALSE(mine.hasPending());
  EXPECT_EQ(readBytes(path), kDefaultFile);

  std::filesystem::remove(path);
  files.failAt = Step::Replace;
  line = mine.load();
  ASSERT_TRUE(mine.storeRecord(line, 2, 7, "Me"));
  EXPECT_EQ(other.load(), defaultLine());  // makes the file
  files.failAt = Step::None;
  EXPECT_EQ(mine.load(), line);
  EXPECT_EQ(readBytes(path), fileLine(line));
}

// A file that exists but cannot be read is not the default line: it is
// never replaced, and the record waits until it can be read again.
TEST(UnreadableFile, IsNeverReplacedAndTheRecordWaitsForIt) {
  for (const auto& [step, error] : {std::pair(Step::Read, EIO), std::pair(Step::OpenToRead, EACCES)}) {
    TempDir dir;
    const auto path = dir / "minebs.txt";
    const std::string old = fileLine("\" 10 60 30aaaaaaaabbbbbbbbcccccccc\"");
    writeBytes(path, old);
    FailingFiles files(step, error);
    BestFile file(path, files);
    std::string line = file.load();
    EXPECT_EQ(line, defaultLine());

    const WriteResult result = file.storeRecord(line, 2, 50, "Ann");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->message, path.string() + ": " + std::strerror(error));
    EXPECT_EQ(line, "\"999 50999MrNobodyAnn     MrNobody\"");
    EXPECT_TRUE(file.reset(line));
    EXPECT_EQ(readBytes(path), old);

    files.failAt = Step::None;
    EXPECT_EQ(file.load(), "\" 10 50 30aaaaaaaaAnn     cccccccc\"");
    EXPECT_FALSE(file.storeRecord(line, 3, 20, "Bo"));
    EXPECT_EQ(readBytes(path), fileLine("\" 10 50 20aaaaaaaaAnn     Bo      \""));
  }
}

#ifndef _WIN32  // links and permission bits as POSIX has them
TEST_F(BestFileTest, ALinkIsWrittenThroughWithThePermissionBitsKept) {
  std::filesystem::create_directory(dir / "real");
  writeBytes(dir / "real" / "best.txt", kDefaultFile);
  std::filesystem::permissions(dir / "real" / "best.txt", std::filesystem::perms(0644));
  std::filesystem::create_symlink("real/best.txt", path);
  std::string bestline = file.load();
  EXPECT_FALSE(file.storeRecord(bestline, 1, 5, "Ann"));
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(readBytes(dir / "real" / "best.txt"), fileLine(bestline));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0644));
  EXPECT_EQ(entries(dir / "real"), (std::vector<std::string>{"best.txt", "best.txt.lock"}));  // locked beside it
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"minebs.txt", "real"}));

  BestFile fresh(dir / "new" / "minebs.txt");  // a new file is the player's only
  fresh.load();
  EXPECT_EQ(std::filesystem::status(fsPath(fresh.path())).permissions(), std::filesystem::perms(0600));
}

// Two data folders whose files are links to one file: both lock beside it,
// so that neither can save while the other does.
TEST(SharedFile, NamesLinkedToOneFileTakeOneLock) {
  TempDir dir;
  for (const char* folder : {"shared", "a", "b"}) std::filesystem::create_directory(dir / folder);
  writeBytes(dir / "shared" / "best.txt", kDefaultFile);
  std::filesystem::create_symlink("../shared/best.txt", dir / "a" / "minebs.txt");
  std::filesystem::create_symlink(dir / "shared" / "best.txt", dir / "b" / "minebs.txt");
  BestFile a(dir / "a" / "minebs.txt"), b(dir / "b" / "minebs.txt", platformFiles(), std::chrono::milliseconds(20));
  EXPECT_EQ(a.lockPath(), FilePath(std::filesystem::canonical(dir / "shared") / "best.txt.lock"));
  EXPECT_EQ(b.lockPath(), a.lockPath());
  const LockHolder holder(a.lockPath());
  std::string line = b.load();
  const WriteResult result = b.storeRecord(line, 1, 5, "Bo");
  ASSERT_TRUE(result);
  EXPECT_NE(result->message.find("in use by another window"), std::string::npos) << result->message;
  EXPECT_EQ(readBytes(dir / "shared" / "best.txt"), kDefaultFile);
}

TEST_F(BestFileTest, ALinkInTheLockFilesPlaceFailsTheSaveAndMakesNothing) {
  std::filesystem::create_symlink(dir / "elsewhere", fsPath(file.lockPath()));
  std::string bestline = file.load();
  const WriteResult result = file.storeRecord(bestline, 1, 5, "Ann");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->message, file.lockPath().utf8() + ": " + std::strerror(ELOOP));
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"minebs.txt.lock"});
}
#endif

// While another window saves, a load goes on at once with the default line
// and leaves making the file to a later load.
TEST_F(BestFileTest, ALoadNeverWaitsForTheLock) {
  std::optional<LockHolder> holder(std::in_place, file.lockPath());
  CountingFiles files;
  BestFile patient(path, files, std::chrono::milliseconds(100));
  EXPECT_EQ(patient.load(), defaultLine());
  EXPECT_EQ(files.tries, 1);
  EXPECT_FALSE(std::filesystem::exists(path));
  holder.reset();
  patient.load();
  EXPECT_EQ(readBytes(path), kDefaultFile);
}

// No game lasts under a second: a time field that reads below 1 stands for
// no record, so wins can still set one; what it shows stays as it is.
TEST(Beats, ATimeBelowOneSecondIsNoRecord) {
  const std::string lines[] = {std::string(35, '\0'), "\xEF\xBB\xBF\"999999999", "\n\"999999999", "\"  5",
                               "\"  0 -3abc"};
  for (const std::string& line : lines) {
    for (int level = 1; level <= 3; ++level) {
      if (storedTime(line, level) >= 1) continue;
      EXPECT_TRUE(beats(line, level, 998)) << level << " of " << line;
      EXPECT_FALSE(beats(line, level, 999)) << level << " of " << line;
    }
  }
  EXPECT_EQ(storedTime("\"  0 -3abc", 2), -3);
  EXPECT_TRUE(beats("\"  1", 1, 0));
  EXPECT_FALSE(beats("\"  1", 1, 1));
}

#ifndef _WIN32
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
      CountingFiles files;
      BestFile file(path, files, std::chrono::minutes(1));
      bool saved = true;
      for (const Record& record : plan) {
        std::string bestline = file.load();
        saved = !file.storeRecord(bestline, record.level, record.seconds, holder(record.seconds)) && saved;
      }
      const std::array<int, 2> counts{files.waits, files.writes};
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
#endif

}  // namespace
}  // namespace klandor
