#include "records/statistics_file.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "records/file_lock.h"

namespace klandor {

namespace {

// More than any statistics file a player collects in years of play.
constexpr std::size_t kReadLimit = std::size_t{64} << 20;

// What a row appended after them needs to know of the rows before: the
// file's last bytes, its last line end among them.
constexpr std::size_t kTail = 4096;

// The file's text, or its last `last` bytes; empty when it is missing.
FileOutcome readEnd(PlatformFiles& files, const FilePath& path, std::size_t last, std::string& text) {
  text.clear();
  FileHandle file{};
  if (FileOutcome error = files.openToRead(path, file)) return error->missing ? FileOutcome{} : error;
  FileOutcome error = last < kReadLimit ? files.seekNearEnd(file, last) : FileOutcome{};
  if (!error) error = files.read(file, std::min(last, kReadLimit), text);
  files.close(file);
  return error;
}

}  // namespace

StatisticsFile::StatisticsFile(const BestFile& best, PlatformFiles& files, std::chrono::milliseconds lockWait)
    : best_(best),
      files_(files),
      lockWait_(lockWait),
      path_(best.path().empty() ? FilePath() : best.path().folder() / std::string(kStatisticsFileName)) {}

FileOutcome StatisticsFile::append(const GameRow& row) {
  kept_.push_back(row);
  if (path_.empty()) return FileError{0, "no folder for the statistics"};
  const FileLock lock(best_.lockPath(), lockWait_, files_, best_.path());
  if (!lock.held()) return lock.failure();
  std::string text;  // its end, enough to tell a row cut short
  if (FileOutcome error = readEnd(files_, path_, kTail, text)) return error;
  FileHandle file{};
  if (FileOutcome error = files_.openToAppend(path_, file)) return error;
  FileOutcome error;
  while (!kept_.empty() && !error) {
    const std::string bytes = statisticsAppend(text, kept_.front());
    error = files_.appendRow(file, bytes);
    if (error) break;
    text += bytes;
    kept_.erase(kept_.begin());
  }
  const FileOutcome closed = files_.close(file);
  return error ? error : closed;
}

std::vector<GameRow> StatisticsFile::read() const {
  std::string text;
  if (path_.empty() || readEnd(files_, path_, kReadLimit, text)) return {};
  return parseStatistics(text);
}

FileOutcome StatisticsFile::reset(const LocalDateTime& now) {
  kept_.clear();
  if (path_.empty()) return {};
  const FileLock lock(best_.lockPath(), lockWait_, files_, best_.path());
  if (!lock.held()) return lock.failure();
  if (!files_.exists(path_)) return {};
  for (int n = 1; n < 1000; ++n) {
    char name[48];
    if (n == 1) {
      std::snprintf(name, sizeof name, "statistics-%04d-%02d-%02d.csv", now.year, now.month, now.day);
    } else {
      std::snprintf(name, sizeof name, "statistics-%04d-%02d-%02d-%d.csv", now.year, now.month, now.day, n);
    }
    const FilePath aside = path_.folder() / std::string(name);
    if (!files_.exists(aside)) return files_.replace(path_, aside);
  }
  return FileError{0, "no free name beside " + path_.utf8()};
}

LocalDateTime localNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);
  if (t == nullptr) return {};
  return {t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec};
}

}  // namespace klandor
