#include "records/platform_files.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace klandor {
namespace {

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
