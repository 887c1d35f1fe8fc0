#pragma once
// The best-times file: one line of 37 bytes, a double quote, 33 characters,
// a double quote, CR and LF. The 33 characters are the Beginner,
// Intermediate and Expert times (three characters each, right-aligned)
// followed by their holders' names (eight characters each). The line in
// memory (bestline) keeps the quotes, so its fields are read by position
// from the opening quote at position 1.
//
// The file is saved with writeAtomically (atomic_file.h): it holds either
// the old line or the new one whatever happens, a link in its place is
// written through, and the file system's rules are kept (a read-only file
// is not written).
//
// Several windows of the game may share the file. Every write happens under
// an exclusive lock (FileLock, file_lock.h) on a lock file beside it, or
// beside the file a link in its place leads to (minebs.txt.lock, never
// removed), and a record is built on what the file holds at that moment,
// so one window never undoes what another stored.
//
// A record that could not be saved (a failed write, a lock held too long, a
// file that exists but cannot be read) is kept pending for the rest of the
// run: every read is the file as it is now with the pending records put in
// wherever they still beat it. Every load tries to save them (never waiting
// for the lock), so does the next record, and the end of the run once
// more. A file that exists but cannot be read is never replaced. When a
// read finds the default line where this window last read another, a
// Reset was made in another window: the pending records go with it.

#include <chrono>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/platform_files.h"

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

// Whether seconds is a record at level 1..3: strictly below the stored
// time. No game lasts under a second, so a stored time below 1 (a field
// without digits, a file of other bytes) counts as no record, 999.
bool beats(std::string_view bestline, int level, int seconds);

// How long a save waits for another window to finish its own.
inline constexpr std::chrono::milliseconds kLockWait{2000};

// A failed save, named with the system's reason; or, when noPlace, the
// variable of the environment that names no place for the file.
struct WriteFailure {
  std::string message;
  bool noPlace = false;
};
using WriteResult = std::optional<WriteFailure>;  // empty when saved

// Where the best-times file lives: minebs.txt in the game's own folder of
// the player's data; empty when the environment names none.
FilePath bestTimesPath(const Environment& environment = systemEnvironment());

class BestFile {
 public:
  // An empty path: the game has no place for the file, and plays with the
  // default line and what this run stores.
  explicit BestFile(FilePath path, PlatformFiles& files = platformFiles(),
                    std::chrono::milliseconds lockWait = kLockWait);

  const FilePath& path() const { return path_; }
  // The lock file, which whatever else is written under the same lock
  // takes too.
  FilePath lockPath() const;

  // scoreload, and the fresh read at a win: the line bestline is to hold,
  // the file's with the pending records. A present file gives its first
  // line up to the first CR; an empty one, or one that cannot be read,
  // counts as the default line and is left alone. A file that is absent (no
  // entry of exactly this name) is created with its folder and the default
  // line with the pending records; a readable file that they still beat
  // is saved with them. Neither happens while another window holds the
  // lock: a load never waits.
  std::string load();

  // Under the lock: when seconds beats the line the file holds now (with
  // the pending records), puts time and name in the fields of level 1..3
  // and saves that line. bestline holds it afterwards, also when it could
  // not be saved; the records then stay pending.
  WriteResult storeRecord(std::string& bestline, int level, int seconds, std::string_view utf8Name);

  // Saves the default line under the lock, drops the pending records and
  // puts it in bestline. One that fails is not tried again: bestline holds
  // what the file does.
  WriteResult reset(std::string& bestline);

  // Saves the pending records under the lock, waiting for it as a record
  // does: for the end of the run. Nothing when none waits.
  WriteResult savePending();

  // A record that waits to be saved, as the line holds it.
  struct Pending {
    int level = 0;
    int seconds = 0;
    std::string name;  // the name field: eight Latin-1 characters
  };
  // The records that wait, by level, each still faster than the file at
  // the last read.
  std::vector<Pending> pending() const;
  bool hasPending() const;

  // Why the file could not be read at the last read, named as a failed
  // save is; nothing when it could, or when it was absent.
  WriteResult unreadable() const;

 private:
  class Lock;
  struct Stored;
  struct Record {
    int seconds = 0;
    std::string name;  // the name field
  };

  // What the file holds now, read afresh.
  Stored stored() const;
  // A fresh read that brings the pending records up to it: those the file
  // now beats go, and all of them when a Reset was made elsewhere.
  Stored read();
  // Saves the line and, once it is saved, drops the pending records.
  WriteResult save(const std::string& line);
  // The line with each pending record put in where it still beats it.
  std::string withPending(std::string line) const;
  // Why the file cannot take a line now: the lock not had, or the file
  // not read.
  WriteResult blocked(const Lock& lock, const Stored& now) const;
  WriteResult replace(std::string_view bytes);
  WriteFailure failure(const FilePath& name, const FileError& error) const;
  // What an exception thrown by a save says, as a failed save.
  WriteFailure failure(const std::exception& error) const;

  FilePath path_;
  PlatformFiles& files_;
  std::chrono::milliseconds lockWait_;
  std::optional<Record> pending_[3];  // by level
  // The line of the last read of a present, readable file, or the last
  // line saved; nothing while the file was absent.
  std::optional<std::string> lastLine_;
  FileOutcome unreadable_;  // of the last read
};

// The new line of a record: the 35 characters of bestline (a shorter line
// is filled up with spaces) with level's time and name fields replaced and
// the quotes put back.
std::string recordLine(std::string_view bestline, int level, int seconds, std::string_view utf8Name);

}  // namespace klandor
