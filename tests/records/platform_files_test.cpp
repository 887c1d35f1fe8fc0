#include "records/platform_files.h"

#include <gtest/gtest.h>

#include "tests/records/system.h"
#ifndef _WIN32
#include <cerrno>
#include <csignal>
#endif

#include "test_files.h"

namespace klandor {
namespace {

using test::fsPath;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// Every row lands at the end of the file as it is when it is written, also
// through a handle opened before another window's rows went in.
TEST(AppendRow, MakesTheFileForThePlayerAndPutsEachWholeRowAtItsEnd) {
  TempDir dir;
  const FilePath name = dir / "statistics.csv";
  PlatformFiles& files = platformFiles();
  FileHandle mine{}, other{};
  ASSERT_FALSE(files.openToAppend(name, mine));
#ifndef _WIN32
  EXPECT_EQ(std::filesystem::status(fsPath(name)).permissions(), std::filesystem::perms(0600));
#endif
  EXPECT_FALSE(files.appendRow(mine, "1,Beginner\r\n"));
  ASSERT_FALSE(files.openToAppend(name, other));
  EXPECT_FALSE(files.appendRow(other, "2,Expert\r\n"));
  EXPECT_FALSE(files.appendRow(mine, "3,Custom\r\n"));
  files.close(mine);
  files.close(other);
  EXPECT_EQ(readBytes(name), "1,Beginner\r\n2,Expert\r\n3,Custom\r\n");
}

// A read-only file too, which the system lets an administrator write.
TEST(AppendRow, AnythingButAFileItsOwnerMayWriteIsRefused) {
  TempDir dir;
  std::filesystem::create_directory(dir / "statistics.csv");
  FileHandle file{};
  EXPECT_TRUE(platformFiles().openToAppend(dir / "statistics.csv", file));

  writeBytes(dir / "kept.csv", "1,Beginner\r\n");
#ifdef _WIN32
  ::SetFileAttributesW((dir / "kept.csv").c_str(), FILE_ATTRIBUTE_READONLY);
#else
  std::filesystem::permissions(dir / "kept.csv", std::filesystem::perms(0444));
#endif
  const FileOutcome refused = platformFiles().openToAppend(dir / "kept.csv", file);
  ASSERT_TRUE(refused);
  EXPECT_TRUE(refused->denied);
#ifdef _WIN32
  ::SetFileAttributesW((dir / "kept.csv").c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
}

#ifndef _WIN32
// A file size limit takes the first bytes of a row and refuses the rest,
// as a disk that fills up does.
TEST(AppendRow, ARowCutShortIsTakenOffAgain) {
  TempDir dir;
  const FilePath name = dir / "statistics.csv";
  writeBytes(fsPath(name), "1,Beginner\r\n");
  FileHandle file{};
  ASSERT_FALSE(platformFiles().openToAppend(name, file));

  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit before = limit;
  limit.rlim_cur = 16;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  const FileOutcome error = platformFiles().appendRow(file, "2,Intermediate\r\n");
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, handler);

  ASSERT_TRUE(error);
  EXPECT_EQ(error->code, EFBIG);
  EXPECT_EQ(readBytes(name), "1,Beginner\r\n");
  EXPECT_FALSE(platformFiles().appendRow(file, "2,Expert\r\n"));
  platformFiles().close(file);
  EXPECT_EQ(readBytes(name), "1,Beginner\r\n2,Expert\r\n");
}
#endif

// Names are cut after their root, which a separator right behind it
// belongs to.
TEST(FilePath, CutsANameIntoItsFolderAndItsLastName) {
  struct Case {
    FilePath path;
    FilePath folder;
    FilePath::View name;
    bool absolute;
  };
#ifdef _WIN32
  const Case cases[] = {
      {L"C:\\Users\\Ann\\minebs.txt", L"C:\\Users\\Ann", L"minebs.txt", true},
      {L"C:/Users/Ann//minebs.txt", L"C:/Users/Ann", L"minebs.txt", true},
      {L"C:\\minebs.txt", L"C:\\", L"minebs.txt", true},
      {L"C:minebs.txt", L"C:", L"minebs.txt", false},
      {L"\\\\server\\share\\minebs.txt", L"\\\\server\\share\\", L"minebs.txt", true},
      {L"\\\\?\\UNC\\server\\share\\a\\minebs.txt", L"\\\\?\\UNC\\server\\share\\a", L"minebs.txt", true},
      {L"\\\\?\\C:\\minebs.txt", L"\\\\?\\C:\\", L"minebs.txt", true},
      {L"\\Users\\minebs.txt", L"\\Users", L"minebs.txt", false},
      {L"minebs.txt", L".", L"minebs.txt", false},
  };
#else
  const Case cases[] = {
      {"/home/ann/.local/share/klandor/minebs.txt", "/home/ann/.local/share/klandor", "minebs.txt", true},
      {"/home/ann//minebs.txt", "/home/ann", "minebs.txt", true},
      {"/minebs.txt", "/", "minebs.txt", true},
      {"data/C:\\minebs.txt", "data", "C:\\minebs.txt", false},
      {"minebs.txt", ".", "minebs.txt", false},
  };
#endif
  for (const Case& c : cases) {
    EXPECT_EQ(c.path.folder(), c.folder) << c.path.utf8();
    EXPECT_EQ(c.path.name(), c.name) << c.path.utf8();
    EXPECT_EQ(c.path.isAbsolute(), c.absolute) << c.path.utf8();
  }
  EXPECT_EQ(FilePath("/") / "klandor" / "minebs.txt", FilePath("/klandor") / "minebs.txt");
}

}  // namespace
}  // namespace klandor
