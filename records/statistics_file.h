#pragma once
// The statistics file, statistics.csv beside the best-times file: one row
// for each finished game, appended under the best-times file's lock, one
// whole row per write. It is never replaced, only appended to; a row that
// could not be written is kept and written with the next one. Reset
// renames it aside (statistics-<date>.csv) and the next row starts a new
// one.

#include <chrono>
#include <string>
#include <vector>

#include "records/best_file.h"
#include "records/statistics.h"

namespace klandor {

class StatisticsFile {
 public:
  // The file beside best's, sharing its lock.
  explicit StatisticsFile(const BestFile& best, PlatformFiles& files = platformFiles(),
                          std::chrono::milliseconds lockWait = kLockWait);

  const FilePath& path() const { return path_; }

  // Appends the rows kept from failed writes, then this one; what can't
  // be written stays kept. The first failure, or nothing.
  FileOutcome append(const GameRow& row);
  // Every row the file holds, read afresh; none when it is missing or
  // can't be read.
  std::vector<GameRow> read() const;
  // Renames the file aside as statistics-<date>.csv (with -2, -3... when
  // that name is taken) and drops the rows kept; the next row starts a new
  // file.
  FileOutcome reset(const LocalDateTime& now);

  // Rows not yet written.
  const std::vector<GameRow>& kept() const { return kept_; }

 private:
  const BestFile& best_;
  PlatformFiles& files_;
  std::chrono::milliseconds lockWait_;
  FilePath path_;
  std::vector<GameRow> kept_;
};

// The local date and time now.
LocalDateTime localNow();

}  // namespace klandor
