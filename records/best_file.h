#pragma once
// The best-times file: one line of 37 bytes, a double quote, 33 characters,
// a double quote, CR and LF. The 33 characters are the Beginner,
// Intermediate and Expert times (three characters each, right-aligned)
// followed by their holders' names (eight characters each). The line in
// memory (bestline) keeps the quotes, so its fields are read by position
// from the opening quote at position 1.
//
// The file is never written in place: the new line goes to a temporary
// file in the same directory, which is synced and renamed over the old one,
// so the file holds either the old line or the new one whatever happens.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/file_writer.h"

namespace klandor {

inline constexpr std::string_view kDefaultContent = "999999999MrNobodyMrNobodyMrNobody";
inline constexpr std::size_t kLineLength = kDefaultContent.size() + 2;
inline constexpr char kFileName[] = "minebs.txt";

// The default content in double quotes, as bestline holds it.
std::string defaultLine();

// Where level 1..3 keeps its fields in bestline, counted from 0.
constexpr std::size_t timeOffset(int level) { return static_cast<std::size_t>(3 * level - 2); }
constexpr std::size_t nameOffset(int level) { return static_cast<std::size_t>(8 * level + 2); }
inline constexpr std::size_t kTimeWidth = 3;
inline constexpr std::size_t kNameWidth = 8;

// The piece of bestline at offset, as much of it as the line holds.
std::string_view field(std::string_view bestline, std::size_t offset, std::size_t width);

// The stored time of level 1..3, read with the leading-number conversion.
double storedTime(std::string_view bestline, int level);

// A failed replacement of the file, named with the system's reason.
struct WriteFailure {
  std::string message;
};
using WriteResult = std::optional<WriteFailure>;  // empty when saved

class BestFile {
 public:
  explicit BestFile(std::filesystem::path path, FileWriter& writer = posixFileWriter());

  const std::filesystem::path& path() const { return path_; }

  // scoreload: the line bestline is to hold. A file that is absent (no
  // entry of exactly this name) is created with its directory and the
  // default line. A present file gives its first line up to the first CR;
  // one that is empty, unreadable or not a regular file counts as the
  // default line and is left alone. A line that could not be saved earlier
  // in this run is given instead of the file's.
  std::string load();

  // Puts time and name in the fields of level 1..3, keeping the other four
  // fields of bestline, and saves the line. bestline holds the new line
  // whether or not it could be saved.
  WriteResult storeRecord(std::string& bestline, int level, int seconds, std::string_view utf8Name);

  // Saves the default line and puts it in bestline.
  WriteResult reset(std::string& bestline);

 private:
  WriteResult save(const std::string& line);
  WriteResult replace(std::string_view bytes);
  WriteResult failure(int error) const;

  std::filesystem::path path_;
  FileWriter& writer_;
  std::optional<std::string> unsaved_;
};

// The new line of a record: the 35 characters of bestline (a shorter line
// is filled up with spaces) with level's time and name fields replaced and
// the quotes put back.
std::string recordLine(std::string_view bestline, int level, int seconds, std::string_view utf8Name);

}  // namespace klandor
