#pragma once
// A fresh directory per test and byte-exact file access for the best-times
// tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "records/file_path.h"

namespace klandor {

inline void PrintTo(const FilePath& path, std::ostream* out) { *out << '"' << path.utf8() << '"'; }

}  // namespace klandor

namespace klandor::test {

// The records' name of a file as the tests' file system library has it.
inline std::filesystem::path fsPath(const FilePath& path) { return path.native(); }

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    std::error_code ec;
    do {
      path_ = std::filesystem::path(testing::TempDir()) / ("records." + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_, ec) && !ec);
    if (ec) ADD_FAILURE() << "no folder for the test: " << ec.message();
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string readBytes(const FilePath& path) { return readBytes(fsPath(path)); }

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The names in a directory, to see that no temporary file is left over; a
// name that is no text in the system's characters comes as the records
// show it.
inline std::vector<std::string> entries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    names.push_back(FilePath(FilePath(e.path()).name()).utf8());
  }
  std::sort(names.begin(), names.end());
  return names;
}
inline std::vector<std::string> entries(const FilePath& dir) { return entries(fsPath(dir)); }

inline const std::string kDefaultFile = "\"999999999MrNobodyMrNobodyMrNobody\"\r\n";

}  // namespace klandor::test
