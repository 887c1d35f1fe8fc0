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
//
// Several windows of the game may share the file. Every write happens under
// an exclusive flock on a lock file beside it (minebs.txt.lock, never
// removed), and a record is built on what the file holds at that moment, so
// one window never undoes what another stored.

#include <chrono>
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

// Whether seconds is a record at level 1..3: strictly below the stored time.
bool beats(std::string_view bestline, int level, int seconds);

// How long a save waits for another window to finish its own.
inline constexpr std::chrono::milliseconds kLockWait{2000};

// A failed replacement of the file, named with the system's reason.
struct WriteFailure {
  std::string message;
};
using WriteResult = std::optional<WriteFailure>;  // empty when saved

class BestFile {
 public:
  explicit BestFile(std::filesystem::path path, FileWriter& writer = posixFileWriter(),
                    std::chrono::milliseconds lockWait = kLockWait);

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path lockPath() const;

  // scoreload, and the fresh read at a win: the line bestline is to hold. A
  // file that is absent (no entry of exactly this name) is created with its
  // directory and the default line. A present file gives its first line up
  // to the first CR; one that is empty, unreadable or not a regular file
  // counts as the default line and is left alone. A line that could not be
  // saved earlier in this run is given instead of the file's.
  std::string load();

  // Under the lock: when seconds still beats the time the file holds now,
  // puts time and name in the fields of level 1..3 of that line and saves
  // it. bestline holds the file's line afterwards, with the record when it
  // was one, also when it could not be saved. When the lock cannot be had,
  // the record is built on bestline and kept in memory only.
  WriteResult storeRecord(std::string& bestline, int level, int seconds, std::string_view utf8Name);

  // Saves the default line under the lock and puts it in bestline.
  WriteResult reset(std::string& bestline);

 private:
  class Lock;

  // What the file holds now, or nothing when it is absent.
  std::optional<std::string> stored() const;
  WriteResult save(const std::string& line, const Lock& lock);
  WriteResult replace(std::string_view bytes);
  void removeLeftovers();
  WriteResult failure(const std::filesystem::path& name, int error) const;

  std::filesystem::path path_;
  FileWriter& writer_;
  std::chrono::milliseconds lockWait_;
  std::optional<std::string> unsaved_;
};

// The new line of a record: the 35 characters of bestline (a shorter line
// is filled up with spaces) with level's time and name fields replaced and
// the quotes put back.
std::string recordLine(std::string_view bestline, int level, int seconds, std::string_view utf8Name);

}  // namespace klandor
