// The file system's rules kept by the save and the lock that every file of
// the game shares: the files a plain replacement would change against the
// player's will, the folders that refuse one, another user of a shared
// folder, and on Windows the links, attributes and access lists.
#include "records/atomic_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/records/system.h"
#ifdef _WIN32
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>
#else
#include <grp.h>
#endif

#include <cerrno>
#include <functional>
#include <new>
#include <utility>

#include "failing_files.h"
#include "records/best_file.h"
#include "records/file_lock.h"
#include "test_files.h"

namespace klandor {
namespace {

using test::entries;
using test::FailingFiles;
using test::readBytes;
using test::Step;
using test::TempDir;
using test::writeBytes;

const std::string kOld = "\"  1  2  3aaaaaaaabbbbbbbbcccccccc\"\r\n";
const std::string kNew = "\"  1  2  1aaaaaaaabbbbbbbbNew     \"\r\n";

// Stores a record of one second at Expert as "New" through the best-times
// file: kNew over kOld. What went wrong, or nothing.
std::string storeNew(const FilePath& path) {
  BestFile file(path);
  std::string line = file.load();
  const WriteResult result = file.storeRecord(line, 3, 1, "New");
  return result ? result->message : std::string();
}

void makeReadOnly(const std::filesystem::path& path, bool readOnly) {
#ifdef _WIN32
  ::SetFileAttributesW(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  std::filesystem::permissions(path, std::filesystem::perms(readOnly ? 0444 : 0644));
#endif
}

// Where the temporary file cannot be made or put in the file's place (a
// folder the player may not write, an immutable one, a sticky one with
// another's file), the file is written in place; other failures, and one
// of the file itself, stay failures.
TEST(WriteAtomically, WritesInPlaceWhereTheFolderRefusesTheTemporaryFile) {
  for (const auto& [step, error] : {std::pair(Step::Create, EACCES), std::pair(Step::Replace, EPERM)}) {
    TempDir dir;
    const auto path = dir / "minebs.txt";
    writeBytes(path, kOld + "a longer file\r\n");
    FailingFiles files(step, error);
    EXPECT_FALSE(writeAtomically(path, kNew, files));
    EXPECT_EQ(readBytes(path), kNew);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"minebs.txt"});
  }

  TempDir dir;
  const auto path = dir / "minebs.txt";
  writeBytes(path, kOld);
  FailingFiles files(Step::Create, EACCES);
  EXPECT_TRUE(writeAtomically(dir / "absent.txt", kNew, files));  // nothing to write in place
  files.alsoAt = Step::OpenToWrite;
  const FileOutcome refused = writeAtomically(path, kNew, files);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->code, EACCES);
  FailingFiles full(Step::Create, ENOSPC);
  EXPECT_TRUE(writeAtomically(path, kNew, full));
  EXPECT_EQ(readBytes(path), kOld);
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"minebs.txt"});
}

// A file that its owner may not write is not written, also by a player
// whom the system would let replace it; the record waits, and a Reset is
// refused as well. Nor is anything but a file.
TEST(WriteAtomically, RefusesAReadOnlyFileAndAnythingButAFile) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  writeBytes(path, kOld);
  makeReadOnly(path, true);
  const FileOutcome refused = writeAtomically(path, kNew);
  ASSERT_TRUE(refused);
  EXPECT_TRUE(refused->denied);
  BestFile file(path);
  std::string line = file.load();
  EXPECT_TRUE(file.storeRecord(line, 3, 1, "New"));
  EXPECT_EQ(file.load(), "\"  1  2  1aaaaaaaabbbbbbbbNew     \"");  // waits
  EXPECT_TRUE(file.reset(line));
  EXPECT_EQ(readBytes(path), kOld);
  makeReadOnly(path, false);
  EXPECT_FALSE(file.storeRecord(line, 2, 1, "Two"));  // the record that waited joins the next one
  EXPECT_EQ(readBytes(path), "\"  1  1  1aaaaaaaaTwo     New     \"\r\n");

  std::filesystem::create_directory(dir / "folder");
  EXPECT_TRUE(writeAtomically(dir / "folder", kNew));
#ifndef _WIN32
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink("pipe", dir / "to-pipe");
  std::filesystem::create_symlink("nowhere", dir / "dangling");
  for (const char* name : {"pipe", "to-pipe", "dangling"}) EXPECT_TRUE(writeAtomically(dir / name, kNew)) << name;
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "to-pipe"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling"));
#endif
}

// A file of several names is written in place, so that every name keeps
// showing it.
TEST(WriteAtomically, AFileOfSeveralNamesStaysOneFile) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  writeBytes(path, kOld + "a longer file\r\n");
  std::filesystem::create_hard_link(path, dir / "copy.txt");
  EXPECT_EQ(storeNew(path), "");
  EXPECT_EQ(readBytes(dir / "copy.txt"), kNew);
  EXPECT_EQ(readBytes(path), kNew);
}

// Names in the folder that are no text in the system's characters (bytes
// that are no UTF-8, an unpaired surrogate) are compared as they are and
// never stop a save, nor does anything thrown under it.
TEST(WriteAtomically, OddNamesAndExceptionsNeverStopOrLeaveASave) {
#ifdef _WIN32
  const FilePath::String odd[] = {L"\xD800", L".minebs.txt.klandor-tmp.a1B2c\xDC00"};
#else
  const FilePath::String odd[] = {"\xFF\xFE", ".minebs.txt.klandor-tmp.a1B2c\xFF"};
#endif
  class OddNames : public PlatformFiles {
   public:
    explicit OddNames(const FilePath::String (&odd)[2]) : odd_(odd) {}
    FileOutcome listFolder(const FilePath& folder, std::vector<FilePath::String>& names) override {
      const FileOutcome error = PlatformFiles::listFolder(folder, names);
      names.insert(names.end(), std::begin(odd_), std::end(odd_));
      return error;
    }
    FileOutcome createTemp(const FilePath& prefix, FileHandle& file, FilePath& name) override {
      if (throws) throw std::bad_alloc();
      return PlatformFiles::createTemp(prefix, file, name);
    }
    bool throws = false;

   private:
    const FilePath::String (&odd_)[2];
  } files(odd);

  TempDir dir;
  const FilePath path = dir / "minebs.txt";
  BestFile file(path, files);
  std::string line = file.load();
  EXPECT_FALSE(file.storeRecord(line, 3, 1, "New"));
  EXPECT_EQ(readBytes(path), "\"999999  1MrNobodyMrNobodyNew     \"\r\n");

  files.throws = true;
  std::string after = line;
  WriteResult result;
  EXPECT_NO_THROW(result = file.storeRecord(after, 2, 1, "New"));
  ASSERT_TRUE(result);
  EXPECT_THAT(result->message, testing::HasSubstr("bad_alloc"));
  std::string loaded;
  EXPECT_NO_THROW(loaded = file.load());
  EXPECT_EQ(loaded, after);
}

// A lock file that another replaces just after this window locked it (or
// removes it, where the system lets a file in use be removed) locks nothing: the lock is taken again on the file now under
// the name, once.
TEST(FileLockTest, ALockFileReplacedOnceItIsLockedIsLockedAgain) {
  class ReplacingFiles : public PlatformFiles {
   public:
    FileOutcome tryLock(FileHandle file) override {
      const FileOutcome result = PlatformFiles::tryLock(file);
      if (!result && replacements > 0) {
        --replacements;
        FilePath fresh = name;
        fresh += ".new";
        FileHandle made{};
        if (!PlatformFiles::openLock(fresh, {}, made)) close(made);
        replace(fresh, name);
      }
      return result;
    }
    FilePath name;
    int replacements = 0;
  } files;

  TempDir dir;
  files.name = dir / "minebs.txt.lock";
  files.replacements = 1;
  {
    const FileLock lock(files.name, std::chrono::milliseconds(0), files);
    ASSERT_TRUE(lock.held());
    FileHandle other{};
    ASSERT_FALSE(platformFiles().openLock(files.name, {}, other));
    const FileOutcome taken = platformFiles().tryLock(other);
    platformFiles().close(other);
    ASSERT_TRUE(taken) << "the file under the name is not locked";
    EXPECT_TRUE(taken->busy);
  }
  files.replacements = 2;
  const FileLock lock(files.name, std::chrono::milliseconds(0), files);
  EXPECT_FALSE(lock.held());
}

#ifndef _WIN32
constexpr uid_t kOther = 65534;       // nobody
constexpr gid_t kSharedGroup = 65534;  // nogroup
constexpr gid_t kOwnGroup = 100;

// Another user of the machine, in a child process with that user's ids;
// body returns what it found wrong, or "".
std::string asUser(uid_t uid, gid_t gid, const std::vector<gid_t>& groups, const std::function<std::string()>& body) {
  int pipe[2];
  if (::pipe(pipe) != 0) return "no pipe";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipe[0]);
    std::string said = "no such user";
    if (::setgroups(groups.size(), groups.data()) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0) said = body();
    const bool told = ::write(pipe[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
    ::_exit(told ? 0 : 1);
  }
  ::close(pipe[1]);
  std::string said;
  char buffer[256];
  for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "the child failed";
}

struct stat statOf(const std::filesystem::path& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info;
}

// A player other than the owner of the folder or the file, as the tests
// (running as root) make one by dropping their ids.
class AnotherUser : public testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can act as another user";
  }

  // A folder of the test with its owner and mode.
  std::filesystem::path folder(const char* name, uid_t owner, gid_t group, mode_t mode) {
    const auto path = dir / name;
    std::filesystem::create_directory(path);
    EXPECT_EQ(::chown(path.c_str(), owner, group), 0);
    EXPECT_EQ(::chmod(path.c_str(), mode), 0);
    return path;
  }
  // A file with its owner, mode and bytes.
  void file(const std::filesystem::path& path, uid_t owner, gid_t group, mode_t mode, const std::string& bytes) {
    writeBytes(path, bytes);
    EXPECT_EQ(::chown(path.c_str(), owner, group), 0);
    EXPECT_EQ(::chmod(path.c_str(), mode), 0);
  }
  std::string storeAsOther(const std::filesystem::path& path, gid_t gid = kOther, std::vector<gid_t> groups = {}) {
    return asUser(kOther, gid, groups, [&] { return storeNew(path); });
  }

  TempDir dir;
};

// The player's own file in a folder the player may not write (the lock
// file made when it still could): written in place, the same file.
TEST_F(AnotherUser, SavesInPlaceInAFolderItMayNotWrite) {
  const auto shut = folder("shut", 0, 0, 0755);
  file(shut / "minebs.txt", kOther, kOther, 0644, kOld);
  file(shut / "minebs.txt.lock", kOther, kOther, 0644, "");
  const ino_t before = statOf(shut / "minebs.txt").st_ino;
  EXPECT_EQ(storeAsOther(shut / "minebs.txt"), "");
  EXPECT_EQ(readBytes(shut / "minebs.txt"), kNew);
  EXPECT_EQ(statOf(shut / "minebs.txt").st_ino, before);
  EXPECT_EQ(entries(shut), (std::vector<std::string>{"minebs.txt", "minebs.txt.lock"}));
}

// A shared folder with the sticky bit, where no one may rename over
// another's file: another's file the player may write is written in place
// and stays its owner's.
TEST_F(AnotherUser, SavesInPlaceInAStickySharedFolder) {
  const auto shared = folder("shared", 0, 0, 01777);
  file(shared / "minebs.txt", 0, 0, 0666, kOld);
  EXPECT_EQ(storeAsOther(shared / "minebs.txt"), "");
  EXPECT_EQ(readBytes(shared / "minebs.txt"), kNew);
  EXPECT_EQ(statOf(shared / "minebs.txt").st_uid, 0u);
  EXPECT_EQ(entries(shared), (std::vector<std::string>{"minebs.txt", "minebs.txt.lock"}));
}

// A folder the player may write and search but not read: the folder cannot
// be synced after the rename, which saved the record all the same.
TEST_F(AnotherUser, SavesInAFolderItMayNotRead) {
  const auto blind = folder("blind", kOther, kOther, 0333);
  file(blind / "minebs.txt", kOther, kOther, 0644, kOld);
  EXPECT_EQ(storeAsOther(blind / "minebs.txt"), "");
  EXPECT_EQ(readBytes(blind / "minebs.txt"), kNew);
}

// A group's folder: the lock file that the first player makes takes the
// file's group and bits, so that every member may lock it, and a member's
// save keeps the file's group, though it is not the member's own. A lock
// file the player may only read still locks.
TEST_F(AnotherUser, SharesAGroupsFolderAndItsLock) {
  const auto group = folder("group", 0, kSharedGroup, 0775);
  file(group / "minebs.txt", 0, kSharedGroup, 0664, kOld);
  BestFile first(group / "minebs.txt");
  std::string line = first.load();
  ASSERT_FALSE(first.storeRecord(line, 2, 1, "Root"));
  const struct stat lock = statOf(group / "minebs.txt.lock");
  EXPECT_EQ(lock.st_gid, kSharedGroup);
  EXPECT_EQ(lock.st_mode & 0777, 0664u);

  EXPECT_EQ(storeAsOther(group / "minebs.txt", kOwnGroup, {kSharedGroup}), "");
  EXPECT_EQ(readBytes(group / "minebs.txt"), "\"  1  1  1aaaaaaaaRoot    New     \"\r\n");
  const struct stat saved = statOf(group / "minebs.txt");
  EXPECT_EQ(saved.st_gid, kSharedGroup);
  EXPECT_EQ(saved.st_mode & 0777, 0664u);

  const auto open = folder("open", 0, 0, 0777);
  file(open / "minebs.txt", 0, 0, 0666, kOld);
  file(open / "minebs.txt.lock", 0, 0, 0644, "");
  EXPECT_EQ(storeAsOther(open / "minebs.txt"), "");
  EXPECT_EQ(readBytes(open / "minebs.txt"), kNew);
}
#endif

#ifdef _WIN32
// A link to target in link's place: the system's own, or under Wine, whose
// links make nothing, one of the system beneath, made by its ln.
bool makeLink(const std::filesystem::path& link, const std::filesystem::path& target) {
  constexpr DWORD kUnprivileged = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
  if (::CreateSymbolicLinkW(link.c_str(), target.c_str(), kUnprivileged) &&
      ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return false;
  std::wstring command = L"/bin/ln -s";
  for (const std::filesystem::path* name : {&target, &link}) {
    char* unix = unixName(name->c_str());
    if (unix == nullptr) return false;
    command += L" \"" + FilePath(std::string(unix)).native() + L"\"";
    ::HeapFree(::GetProcessHeap(), 0, unix);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
    return false;
  }
  ::WaitForSingleObject(started.hProcess, 5000);
  ::CloseHandle(started.hThread);
  ::CloseHandle(started.hProcess);
  for (int wait = 0; wait < 100 && ::GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait) {
    ::Sleep(10);
  }
  return ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The access list as text.
std::wstring accessList(const std::filesystem::path& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS) {
    return L"unreadable";
  }
  wchar_t* text = nullptr;
  ::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                         &text, nullptr);
  std::wstring list = text != nullptr ? text : L"none";
  ::LocalFree(text);
  ::LocalFree(descriptor);
  return list;
}

// A link in the file's place is written through to its target, and the
// lock is taken beside the target.
TEST(WindowsFile, ALinkInItsPlaceIsWrittenThrough) {
  TempDir dir;
  std::filesystem::create_directory(dir / "real");
  writeBytes(dir / "real" / "best.txt", kOld);
  if (!makeLink(dir / "minebs.txt", dir / "real" / "best.txt")) GTEST_SKIP() << "no link can be made here";
  EXPECT_EQ(storeNew(dir / "minebs.txt"), "");
  EXPECT_EQ(readBytes(dir / "real" / "best.txt"), kNew);
  EXPECT_EQ(readBytes(dir / "minebs.txt"), kNew);
  EXPECT_EQ(entries(dir / "real"), (std::vector<std::string>{"best.txt", "best.txt.lock"}));
}

// Hidden and system, and an access list of the player's own, stay the
// file's after every save.
TEST(WindowsFile, ASaveKeepsItsAttributesAndAccessList) {
  TempDir dir;
  const auto path = dir / "minebs.txt";
  writeBytes(path, kOld);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;WD)(A;;FA;;;SY)", SDDL_REVISION_1,
                                                                    &descriptor, nullptr));
  BOOL present = FALSE, defaulted = FALSE;
  PACL list = nullptr;
  ::GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted);
  ASSERT_EQ(::SetNamedSecurityInfoW(const_cast<wchar_t*>(path.c_str()), SE_FILE_OBJECT,
                                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                    list, nullptr),
            static_cast<DWORD>(ERROR_SUCCESS));
  ::LocalFree(descriptor);
  const std::wstring before = accessList(path);
  ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

  EXPECT_EQ(storeNew(path), "");
  EXPECT_EQ(readBytes(path), kNew);
  EXPECT_EQ(::GetFileAttributesW(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(accessList(path), before);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
#endif

}  // namespace
}  // namespace klandor
