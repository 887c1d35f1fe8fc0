#include "records/best_file.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "records/atomic_file.h"
#include "records/file_lock.h"
#include "records/latin1.h"
#include "records/leading_number.h"

namespace klandor {

namespace {

constexpr char kQuote = '"';
// More than a sound line ever holds; a longer first line is cut here.
constexpr std::size_t kReadLimit = 4096;

std::string quoted(std::string_view content) {
  std::string line;
  line.reserve(content.size() + 2);
  line += kQuote;
  line += content;
  line += kQuote;
  return line;
}

// The time field: T right-aligned in three characters, as the last three
// characters of two spaces, the sign position (a space or "-") and the
// digits.
std::string timeField(int seconds) {
  const std::string text = "  " + std::string(seconds < 0 ? "" : " ") + std::to_string(seconds);
  return text.substr(text.size() - kTimeWidth);
}

std::string nameField(std::string_view utf8Name) {
  return (latin1Text(utf8Name) + std::string(kNameWidth, ' ')).substr(0, kNameWidth);
}

// Whether the folder has an entry named exactly like the file, letter case
// included; when the folder cannot be listed, whether the name is found.
bool present(PlatformFiles& files, const FilePath& path) {
  std::vector<FilePath::String> names;
  if (const FileOutcome error = files.listFolder(path.folder(), names)) return !error->missing && files.exists(path);
  return std::find(names.begin(), names.end(), path.name()) != names.end();
}

}  // namespace

// The lock of a write, on the lock file beside the file; none without a
// place for the file.
class BestFile::Lock {
 public:
  Lock(const BestFile& file, std::chrono::milliseconds wait) {
    if (file.path_.empty()) {
      failure_ = WriteFailure{kHomeVariable, true};
      return;
    }
    lock_.emplace(file.lockPath(), wait, file.files_, file.path_);
    if (!lock_->held()) failure_ = file.failure(lock_->name(), *lock_->failure());
  }

  // Why the file cannot be written now, or nothing.
  const WriteResult& failure() const { return failure_; }

 private:
  std::optional<FileLock> lock_;
  WriteResult failure_;
};

// What the file holds now. The line is the default one when the file is
// absent or cannot be read.
struct BestFile::Stored {
  bool absent = false;
  std::string line;
  FileOutcome unreadable;
};

std::string defaultLine() { return quoted(kDefaultContent); }

std::string_view field(std::string_view bestline, std::size_t offset, std::size_t width) {
  if (offset >= bestline.size()) return {};
  return bestline.substr(offset, width);
}

double storedTime(std::string_view bestline, int level) {
  return leadingNumber(field(bestline, timeOffset(level), kTimeWidth));
}

bool beats(std::string_view bestline, int level, int seconds) {
  const double stored = storedTime(bestline, level);
  return seconds < (stored < 1 ? 999 : stored);
}

namespace {

std::string withRecord(std::string_view bestline, int level, int seconds, std::string_view name) {
  std::string line(bestline.substr(0, kLineLength));
  line.resize(kLineLength, ' ');
  line.replace(timeOffset(level), kTimeWidth, timeField(seconds));
  line.replace(nameOffset(level), kNameWidth, name);
  line.front() = kQuote;
  line.back() = kQuote;
  return line;
}

}  // namespace

std::string recordLine(std::string_view bestline, int level, int seconds, std::string_view utf8Name) {
  return withRecord(bestline, level, seconds, nameField(utf8Name));
}

FilePath bestTimesPath(const Environment& environment) {
  const FilePath folder = gameDataFolder(environment);
  return folder.empty() ? folder : folder / kFileName;
}

BestFile::BestFile(FilePath path, PlatformFiles& files, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), files_(files), lockWait_(lockWait) {}

FilePath BestFile::lockPath() const { return lockFileOf(path_, files_); }

// Every public operation is called from the windows' event handlers, which
// an exception must never leave (memory running out, for one): each one
// that could throw answers as if the file could not be read or saved.
std::string BestFile::load() {
  try {
    Stored now = read();
    const auto due = [&] { return !now.unreadable && (now.absent || hasPending()); };
    if (!path_.empty() && due()) {
      // Under the lock, on what the file holds then. A load never waits:
      // while another window saves, it goes on with what it read, and a
      // later load or save does the rest.
      const Lock lock(*this, std::chrono::milliseconds::zero());
      if (!lock.failure()) {
        now = read();
        std::string line = withPending(now.line);
        if (due()) save(line);
        return line;
      }
    }
    return withPending(now.line);
  } catch (const std::exception&) {
    return withPending(defaultLine());
  }
}

BestFile::Stored BestFile::stored() const {
  if (path_.empty() || !present(files_, path_)) return {true, defaultLine(), {}};
  FileHandle file{};
  FileOutcome error = files_.openToRead(path_, file);
  std::string bytes;
  if (!error) {
    error = files_.read(file, kReadLimit, bytes);
    files_.close(file);
  }
  if (error) return {false, defaultLine(), error};
  const std::string line = bytes.substr(0, bytes.find('\r'));
  return {false, line.empty() ? defaultLine() : line, {}};
}

BestFile::Stored BestFile::read() {
  Stored now = stored();
  unreadable_ = now.unreadable;
  if (now.unreadable) return now;
  if (now.absent) {
    lastLine_.reset();
  } else {
    const std::string reset = defaultLine();
    if (now.line == reset && lastLine_ && *lastLine_ != reset) {
      std::fill(std::begin(pending_), std::end(pending_), std::nullopt);
    }
    lastLine_ = now.line;
  }
  for (int level = 1; level <= 3; ++level) {
    std::optional<Record>& record = pending_[level - 1];
    if (record && !beats(now.line, level, record->seconds)) record.reset();  // the file holds a faster time now
  }
  return now;
}

std::string BestFile::withPending(std::string line) const {
  for (int level = 1; level <= 3; ++level) {
    const std::optional<Record>& record = pending_[level - 1];
    if (record && beats(line, level, record->seconds)) line = withRecord(line, level, record->seconds, record->name);
  }
  return line;
}

WriteResult BestFile::blocked(const Lock& lock, const Stored& now) const {
  if (lock.failure()) return lock.failure();
  if (now.unreadable) return failure(path_, *now.unreadable);
  return std::nullopt;
}

WriteResult BestFile::storeRecord(std::string& bestline, int level, int seconds, std::string_view utf8Name) {
  try {
    const Lock lock(*this, lockWait_);
    const Stored now = read();  // what the file holds, to show it also when the lock was not had
    if (beats(withPending(now.line), level, seconds)) pending_[level - 1] = Record{seconds, nameField(utf8Name)};
    bestline = withPending(now.line);
    if (!hasPending()) return std::nullopt;  // another window stored a faster time
    WriteResult result = blocked(lock, now);
    if (!result) result = save(bestline);
    return result;
  } catch (const std::exception& error) {
    return failure(error);
  }
}

WriteResult BestFile::reset(std::string& bestline) {
  try {
    const Lock lock(*this, lockWait_);
    const Stored now = read();
    // Without a place for the file, the records of this run are all there is.
    WriteResult result = path_.empty() ? std::nullopt : blocked(lock, now);
    if (!result && !path_.empty()) result = save(defaultLine());
    if (result) {
      bestline = withPending(now.line);
      return result;
    }
    std::fill(std::begin(pending_), std::end(pending_), std::nullopt);
    bestline = defaultLine();
    return std::nullopt;
  } catch (const std::exception& error) {
    return failure(error);
  }
}

WriteResult BestFile::savePending() {
  if (!hasPending()) return std::nullopt;
  try {
    const Lock lock(*this, lockWait_);
    const Stored now = read();
    if (!hasPending()) return std::nullopt;
    WriteResult result = blocked(lock, now);
    if (!result) result = save(withPending(now.line));
    return result;
  } catch (const std::exception& error) {
    return failure(error);
  }
}

std::vector<BestFile::Pending> BestFile::pending() const {
  std::vector<Pending> records;
  for (int level = 1; level <= 3; ++level) {
    if (const std::optional<Record>& record = pending_[level - 1]) {
      records.push_back({level, record->seconds, record->name});
    }
  }
  return records;
}

bool BestFile::hasPending() const {
  return std::any_of(std::begin(pending_), std::end(pending_), [](const auto& r) { return r.has_value(); });
}

WriteResult BestFile::unreadable() const {
  if (!unreadable_) return std::nullopt;
  return failure(path_, *unreadable_);
}

WriteResult BestFile::save(const std::string& line) {
  WriteResult result = replace(line + "\r\n");
  if (!result) {
    std::fill(std::begin(pending_), std::end(pending_), std::nullopt);
    lastLine_ = line;
  }
  return result;
}

// Called under the lock only, when no other save can be under way.
WriteResult BestFile::replace(std::string_view bytes) {
  if (const FileOutcome error = writeAtomically(path_, bytes, files_)) return failure(path_, *error);
  return std::nullopt;
}

WriteFailure BestFile::failure(const FilePath& name, const FileError& error) const {
  return WriteFailure{name.utf8() + ": " + error.reason};
}

WriteFailure BestFile::failure(const std::exception& error) const { return failure(path_, FileError{0, error.what()}); }

}  // namespace klandor
