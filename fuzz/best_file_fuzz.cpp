// Any bytes as the best-times file, then any time with any name: a record
// must come out as one line of 37 bytes that reads back as bestline, with
// the other levels' fields kept; a time that is no record changes nothing.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/check.h"
#include "records/best_file.h"

namespace {

using klandor::fuzz::check;

// A directory of its own for each input, on a memory file system when
// there is one, since every record is synced.
class Directory {
 public:
  Directory() {
    std::string name = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : P_tmpdir;
    name += "/best_file_fuzz.XXXXXX";
    check(::mkdtemp(name.data()) != nullptr, "mkdtemp failed");
    path_ = name;
  }
  Directory(const Directory&) = delete;
  Directory& operator=(const Directory&) = delete;
  ~Directory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What load must give for these file bytes: the first line up to the first
// CR (the first 4096 bytes at most), or the default line for an empty one.
std::string expectedLine(const std::string& bytes) {
  const std::string line = bytes.substr(0, std::min(bytes.find('\r'), std::size_t{4096}));
  return line.empty() ? klandor::defaultLine() : line;
}

std::string padded(std::string_view piece, std::size_t width) {
  std::string s(piece);
  s.resize(width, ' ');
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace klandor;
  FuzzedDataProvider in(data, size);
  const bool absent = in.ConsumeBool();
  const int level = in.ConsumeIntegralInRange(1, 3);
  const int seconds = in.ConsumeIntegral<int>();
  const std::string name = in.ConsumeRandomLengthString(40);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  const Directory dir;
  const auto path = dir.path() / kFileName;
  if (!absent) std::ofstream(path, std::ios::binary) << bytes;

  BestFile file(path);
  std::string bestline = file.load();
  if (absent) {
    check(bestline == defaultLine(), "an absent file loads as the default line");
    check(readBytes(path) == defaultLine() + "\r\n", "an absent file is created with the default line");
  } else {
    check(bestline == expectedLine(bytes), "load gives the first line");
    check(readBytes(path) == bytes, "load leaves a present file alone");
  }

  const std::string before = bestline;
  const std::string bytesBefore = readBytes(path);
  check(!file.storeRecord(bestline, level, seconds, name), "the record is saved");
  const std::string stored = readBytes(path);
  if (!beats(before, level, seconds)) {
    check(bestline == before, "a time that is no record leaves bestline as the file holds it");
    check(stored == bytesBefore, "a time that is no record leaves the file alone");
    return 0;
  }
  check(stored.size() == 37, "the file is 37 bytes");
  check(stored == bestline + "\r\n", "the file holds bestline and CR LF");
  check(stored.front() == '"' && stored[34] == '"', "the line is quoted");
  check(stored.find('\r') == 35, "the only CR ends the line");
  check(BestFile(path).load() == bestline, "the line reads back");

  for (int other = 1; other <= 3; ++other) {
    if (other == level) continue;
    check(field(bestline, timeOffset(other), kTimeWidth) ==
              padded(field(before, timeOffset(other), kTimeWidth), kTimeWidth),
          "other times are kept");
    check(field(bestline, nameOffset(other), kNameWidth) ==
              padded(field(before, nameOffset(other), kNameWidth), kNameWidth),
          "other names are kept");
  }
  for (char c : field(bestline, nameOffset(level), kNameWidth)) {
    const auto u = static_cast<unsigned char>(c);
    check(u >= 0x20 && !(u >= 0x7F && u <= 0x9F), "the new name holds no control character");
  }
  if (seconds >= 0 && seconds <= 999) check(storedTime(bestline, level) == seconds, "the new time reads back");
  return 0;
}
