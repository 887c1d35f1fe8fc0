#include "records/best_file.h"

#include <algorithm>
#include <thread>
#include <utility>

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

std::filesystem::path folderOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Whether the directory has an entry named exactly like the file, letter
// case included. Empty when the directory cannot be listed.
std::optional<bool> listed(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folderOf(path), ec);
  if (ec) return ec == std::errc::no_such_file_or_directory ? std::optional(false) : std::nullopt;
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (it->path().filename() == path.filename()) return true;
  }
  return ec ? std::nullopt : std::optional(false);
}

bool present(const std::filesystem::path& path) {
  std::error_code ec;
  return listed(path).value_or(std::filesystem::exists(path, ec));
}

// The temporary files of a save are named as no person would name a file:
// a dot, the target's name, the game's mark and six random letters or
// digits.
constexpr std::string_view kTempMark = ".klandor-tmp.";
constexpr std::size_t kTempRandom = 6;

// What the names of the temporary files beside target begin with.
std::string tempPrefix(const std::filesystem::path& target) {
  std::string prefix = ".";
  prefix += displayName(target.filename());
  prefix += kTempMark;
  return prefix;
}

bool isAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isTempName(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + kTempRandom && name.starts_with(prefix) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(), isAsciiAlnum);
}

// Where a save puts the line: the file itself, or the file that a link in
// its place leads to.
std::filesystem::path targetOf(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  std::filesystem::path target = std::filesystem::canonical(path, ec);
  return ec ? path : target;
}

// A temporary file beside the target, with the target's permission bits;
// removed again unless it has been put in the target's place.
class TempFile {
 public:
  TempFile(PlatformFiles& files, const std::filesystem::path& target) : files_(files), target_(target) {
    std::filesystem::path prefix = folderOf(target) / ".";
    prefix += target.filename();
    prefix += kTempMark;
    error_ = files_.createTemp(prefix, file_, name_);
    open_ = !error_;
    if (open_) error_ = files_.copyPermissions(target, file_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (open_) files_.close(file_);
    if (!name_.empty() && !placed_) files_.remove(name_);
  }

  // Writes, syncs and closes the file and puts it in the target's place:
  // the first failure, or nothing.
  FileOutcome place(std::string_view bytes) {
    if (error_) return error_;
    FileOutcome error = files_.write(file_, bytes);
    if (!error) error = files_.sync(file_);
    open_ = false;
    const FileOutcome closed = files_.close(file_);
    if (!error) error = closed;
    if (!error) error = files_.replace(name_, target_);
    placed_ = !error;
    return error;
  }

 private:
  PlatformFiles& files_;
  std::filesystem::path target_;
  std::filesystem::path name_;
  FileHandle file_{};
  FileOutcome error_;
  bool open_ = false;
  bool placed_ = false;
};

// Between two tries for the lock.
constexpr std::chrono::milliseconds kLongestPause{16};

}  // namespace

// The exclusive lock that every write of the file is made under, on the
// lock file beside it, which is made once and never removed (the
// best-times file itself is replaced, so it cannot carry the lock).
// Closing the lock file releases the lock.
class BestFile::Lock {
 public:
  Lock(const BestFile& file, std::chrono::milliseconds wait) : files_(file.files_) {
    if (file.path_.empty()) {
      failure_ = WriteFailure{kHomeVariable, true};
      return;
    }
    std::error_code ignored;  // a missing folder shows as the failure below
    std::filesystem::create_directories(folderOf(file.path_), ignored);
    const std::filesystem::path name = file.lockPath();
    if (const FileOutcome error = files_.openLock(name, handle_)) {
      failure_ = file.failure(name, *error);
      return;
    }
    // Another window holds it only while it writes one line; waiting
    // longer means it is stuck, and the game must not freeze with it.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::chrono::milliseconds pause{1};
    while (const FileOutcome error = files_.tryLock(handle_)) {
      const auto now = std::chrono::steady_clock::now();
      if (!error->busy || now >= deadline) {
        failure_ = error->busy ? WriteFailure{displayName(name) + ": in use by another window of the game"}
                               : file.failure(name, *error);
        files_.close(handle_);
        return;
      }
      std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
      pause = std::min(pause * 2, kLongestPause);
    }
  }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  ~Lock() {
    if (!failure_) files_.close(handle_);
  }

  // Why the file cannot be written now, or nothing.
  const WriteResult& failure() const { return failure_; }

 private:
  PlatformFiles& files_;
  FileHandle handle_{};
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

std::filesystem::path bestTimesPath(const Environment& environment) {
  const std::filesystem::path folder = gameDataFolder(environment);
  return folder.empty() ? folder : folder / kFileName;
}

BestFile::BestFile(std::filesystem::path path, PlatformFiles& files, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), files_(files), lockWait_(lockWait) {}

std::filesystem::path BestFile::lockPath() const {
  std::filesystem::path name = path_;
  return name += ".lock";
}

std::string BestFile::load() {
  Stored now = stored();
  if (now.absent && !path_.empty()) {
    // Made under the lock, unless another window made it meanwhile. A load
    // never waits: while another window saves, it goes on with the default
    // line, and the next load makes the file.
    const Lock lock(*this, std::chrono::milliseconds::zero());
    if (!lock.failure()) {
      now = stored();
      if (now.absent) replace(defaultLine() + "\r\n");
    }
  }
  return withPending(now.line);
}

BestFile::Stored BestFile::stored() const {
  if (path_.empty() || !present(path_)) return {true, defaultLine(), {}};
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
  const Lock lock(*this, lockWait_);
  const Stored now = stored();  // the file is replaced in one step: sound without the lock too
  for (int l = 1; l <= 3; ++l) {
    std::optional<Record>& record = pending_[l - 1];
    if (record && !beats(now.line, l, record->seconds)) record.reset();  // the file holds a faster time now
  }
  if (beats(withPending(now.line), level, seconds)) pending_[level - 1] = Record{seconds, nameField(utf8Name)};
  bestline = withPending(now.line);
  if (std::none_of(std::begin(pending_), std::end(pending_), [](const auto& r) { return r.has_value(); })) {
    return std::nullopt;  // another window stored a faster time
  }
  WriteResult result = blocked(lock, now);
  if (!result) result = replace(bestline + "\r\n");
  if (!result) std::fill(std::begin(pending_), std::end(pending_), std::nullopt);
  return result;
}

WriteResult BestFile::reset(std::string& bestline) {
  const Lock lock(*this, lockWait_);
  const Stored now = stored();
  // Without a place for the file, the records of this run are all there is.
  WriteResult result = path_.empty() ? std::nullopt : blocked(lock, now);
  if (!result && !path_.empty()) result = replace(defaultLine() + "\r\n");
  if (result) {
    bestline = withPending(now.line);
    return result;
  }
  std::fill(std::begin(pending_), std::end(pending_), std::nullopt);
  bestline = defaultLine();
  return std::nullopt;
}

// Called under the lock only, when no other save can be under way.
WriteResult BestFile::replace(std::string_view bytes) {
  const std::filesystem::path target = targetOf(path_);
  const std::filesystem::path folder = folderOf(target);
  removeLeftovers(folder, tempPrefix(target));
  TempFile temp(files_, target);
  FileOutcome error = temp.place(bytes);
  if (!error) error = files_.syncFolder(folder);
  if (error) return failure(path_, *error);
  return std::nullopt;
}

// The temporary files of saves that were cut short before their rename, by
// a kill or a power cut: only files of the game's own name for them, owned
// by the player, never a link.
void BestFile::removeLeftovers(const std::filesystem::path& folder, const std::string& prefix) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (isTempName(displayName(it->path().filename()), prefix) && files_.isOwnFile(it->path())) {
      files_.remove(it->path());
    }
  }
}

WriteFailure BestFile::failure(const std::filesystem::path& name, const FileError& error) const {
  return WriteFailure{displayName(name) + ": " + error.reason};
}

}  // namespace klandor
