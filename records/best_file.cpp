#include "records/best_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
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

std::filesystem::path directoryOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Whether the directory has an entry named exactly like the file, letter
// case included. Empty when the directory cannot be listed.
std::optional<bool> listed(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::directory_iterator it(directoryOf(path), ec);
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

// The first line of a regular file up to its first CR, or nothing when the
// file cannot be read or the line is empty. Opened without blocking, so a
// pipe in the file's place cannot stall the game.
std::optional<std::string> firstLine(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::string line;
  bool sound = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char buffer[512];
  while (sound && line.size() < kReadLimit && line.find('\r') == std::string::npos) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      sound = n == 0;
      break;
    }
    line.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  line = line.substr(0, std::min(line.find('\r'), kReadLimit));
  if (!sound || line.empty()) return std::nullopt;
  return line;
}

// The temporary files are named after the best-times file, a dot and six
// letters or digits that createTemp puts in place of the X's.
constexpr std::string_view kTempSuffix = ".XXXXXX";

bool isAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isTempName(std::string_view name, std::string_view target) {
  if (name.size() != target.size() + kTempSuffix.size() || !name.starts_with(target)) return false;
  name.remove_prefix(target.size());
  return name.front() == '.' && std::all_of(name.begin() + 1, name.end(), isAsciiAlnum);
}

// A temporary file beside the best-times file; removed again unless it
// has been renamed into place.
class TempFile {
 public:
  TempFile(FileWriter& writer, const std::filesystem::path& target)
      : writer_(writer),
        name_(target.string() + std::string(kTempSuffix)),
        fd_(writer.createTemp(name_)),
        created_(fd_ >= 0) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) writer_.close(fd_);
    if (created_ && !placed_) writer_.unlink(name_);
  }

  bool created() const { return created_; }

  bool write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = writer_.write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = EIO;
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }

  bool sync() { return writer_.fsync(fd_) == 0; }

  bool close() { return writer_.close(std::exchange(fd_, -1)) == 0; }

  bool renameTo(const std::filesystem::path& target) {
    placed_ = writer_.rename(name_, target.string()) == 0;
    return placed_;
  }

 private:
  FileWriter& writer_;
  std::string name_;
  int fd_;
  bool created_;
  bool placed_ = false;
};

// Between two tries for the lock.
constexpr std::chrono::milliseconds kLongestPause{16};

}  // namespace

// The exclusive lock that every write of the file is made under: flock on
// the lock file beside it, which is made once and never removed (the
// best-times file itself is replaced by rename, so it cannot carry the
// lock). Closing the lock file releases the lock.
class BestFile::Lock {
 public:
  explicit Lock(const BestFile& file) : writer_(file.writer_) {
    std::error_code ignored;  // a missing directory shows as the failure below
    std::filesystem::create_directories(file.path_.parent_path(), ignored);
    const std::filesystem::path name = file.lockPath();
    fd_ = writer_.openLock(name.string());
    if (fd_ < 0) {
      failure_ = file.failure(name, errno);
      return;
    }
    // Another window holds it only while it writes one line; waiting
    // longer means it is stuck, and the game must not freeze with it.
    const auto deadline = std::chrono::steady_clock::now() + file.lockWait_;
    std::chrono::milliseconds pause{1};
    while (writer_.flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EINTR) continue;
      const auto now = std::chrono::steady_clock::now();
      if (error != EWOULDBLOCK || now >= deadline) {
        failure_ = error == EWOULDBLOCK ? WriteFailure{name.string() + ": in use by another window of the game"}
                                        : file.failure(name, error);
        writer_.close(std::exchange(fd_, -1));
        return;
      }
      std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
      pause = std::min(pause * 2, kLongestPause);
    }
  }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  ~Lock() {
    if (fd_ >= 0) writer_.close(fd_);
  }

  bool held() const { return !failure_; }
  const WriteResult& failure() const { return failure_; }

 private:
  FileWriter& writer_;
  int fd_ = -1;
  WriteResult failure_;
};

std::string defaultLine() { return quoted(kDefaultContent); }

std::string_view field(std::string_view bestline, std::size_t offset, std::size_t width) {
  if (offset >= bestline.size()) return {};
  return bestline.substr(offset, width);
}

double storedTime(std::string_view bestline, int level) {
  return leadingNumber(field(bestline, timeOffset(level), kTimeWidth));
}

bool beats(std::string_view bestline, int level, int seconds) { return seconds < storedTime(bestline, level); }

std::string recordLine(std::string_view bestline, int level, int seconds, std::string_view utf8Name) {
  std::string line(bestline.substr(0, kLineLength));
  line.resize(kLineLength, ' ');
  line.replace(timeOffset(level), kTimeWidth, timeField(seconds));
  line.replace(nameOffset(level), kNameWidth, nameField(utf8Name));
  line.front() = kQuote;
  line.back() = kQuote;
  return line;
}

BestFile::BestFile(std::filesystem::path path, FileWriter& writer, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), writer_(writer), lockWait_(lockWait) {}

std::filesystem::path BestFile::lockPath() const { return path_.string() + ".lock"; }

std::string BestFile::load() {
  if (std::optional<std::string> line = stored()) return *line;
  // Made under the lock, unless another window made it meanwhile. Nothing
  // is lost when the default line cannot be saved: the next load tries
  // again.
  const Lock lock(*this);
  if (!lock.held()) return defaultLine();
  if (std::optional<std::string> line = stored()) return *line;
  replace(defaultLine() + "\r\n");
  return defaultLine();
}

std::optional<std::string> BestFile::stored() const {
  if (unsaved_) return unsaved_;
  if (!present(path_)) return std::nullopt;
  return firstLine(path_).value_or(defaultLine());
}

WriteResult BestFile::storeRecord(std::string& bestline, int level, int seconds, std::string_view utf8Name) {
  const Lock lock(*this);
  if (lock.held()) bestline = stored().value_or(defaultLine());
  if (!beats(bestline, level, seconds)) return std::nullopt;  // another window stored a faster time
  bestline = recordLine(bestline, level, seconds, utf8Name);
  return save(bestline, lock);
}

WriteResult BestFile::reset(std::string& bestline) {
  const Lock lock(*this);
  bestline = defaultLine();
  return save(bestline, lock);
}

WriteResult BestFile::save(const std::string& line, const Lock& lock) {
  WriteResult result = lock.held() ? replace(line + "\r\n") : lock.failure();
  if (result) {
    unsaved_ = line;
  } else {
    unsaved_.reset();
  }
  return result;
}

// Called under the lock only, when no other save can be under way.
WriteResult BestFile::replace(std::string_view bytes) {
  removeLeftovers();
  TempFile temp(writer_, path_);
  if (!temp.created() || !temp.write(bytes) || !temp.sync() || !temp.close() || !temp.renameTo(path_)) {
    return failure(path_, errno);
  }
  // The rename lasts only once the directory is on disk too. A file system
  // that cannot sync a directory says so with EINVAL or ENOTSUP.
  const int dir = writer_.openDirectory(directoryOf(path_).string());
  if (dir < 0) return failure(path_, errno);
  int error = 0;
  if (writer_.fsync(dir) != 0 && errno != EINVAL && errno != ENOTSUP) error = errno;
  if (writer_.close(dir) != 0 && error == 0) error = errno;
  if (error != 0) return failure(path_, error);
  return std::nullopt;
}

// The temporary files of saves that were cut short before their rename, by
// a kill or a power cut.
void BestFile::removeLeftovers() {
  const std::string target = path_.filename().string();
  std::error_code ec;
  std::filesystem::directory_iterator it(directoryOf(path_), ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (isTempName(it->path().filename().string(), target)) writer_.unlink(it->path().string());
  }
}

WriteResult BestFile::failure(const std::filesystem::path& name, int error) const {
  return WriteFailure{name.string() + ": " + std::generic_category().message(error)};
}

}  // namespace klandor
