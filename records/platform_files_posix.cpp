// The file operations on Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "records/platform_files.h"

namespace klandor {

namespace {

FileError systemError(int code) {
  return {code, std::generic_category().message(code), code == EWOULDBLOCK};
}
FileOutcome lastError() { return systemError(errno); }

int fd(FileHandle file) { return static_cast<int>(file); }

FileOutcome opened(int descriptor, FileHandle& file) {
  if (descriptor < 0) return lastError();
  file = static_cast<FileHandle>(descriptor);
  return std::nullopt;
}

}  // namespace

const char kHomeVariable[] = "HOME";

FileOutcome PlatformFiles::openToRead(const std::filesystem::path& name, FileHandle& file) {
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return lastError();
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) {
    const int error = errno;
    ::close(descriptor);
    return systemError(error);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(descriptor);
    return S_ISDIR(info.st_mode) ? systemError(EISDIR) : FileError{EINVAL, "not a regular file"};
  }
  file = static_cast<FileHandle>(descriptor);
  return std::nullopt;
}

FileOutcome PlatformFiles::read(FileHandle file, std::size_t limit, std::string& bytes) {
  bytes.assign(limit, '\0');
  std::size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::read(fd(file), bytes.data() + got, limit - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return lastError();
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return std::nullopt;
}

FileOutcome PlatformFiles::openLock(const std::filesystem::path& name, FileHandle& file) {
  return opened(::open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600), file);
}

FileOutcome PlatformFiles::tryLock(FileHandle file) {
  while (::flock(fd(file), LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return lastError();
  }
  return std::nullopt;
}

FileOutcome PlatformFiles::createTemp(const std::filesystem::path& prefix, FileHandle& file,
                                      std::filesystem::path& name) {
  std::string pattern = prefix.string() + "XXXXXX";
  const FileOutcome error = opened(::mkostemp(pattern.data(), O_CLOEXEC), file);  // mode 0600
  if (!error) name = pattern;
  return error;
}

FileOutcome PlatformFiles::copyPermissions(const std::filesystem::path& from, FileHandle file) {
  struct stat info {};
  if (::stat(from.c_str(), &info) != 0) return errno == ENOENT ? std::nullopt : lastError();
  if (::fchmod(fd(file), info.st_mode & 07777) != 0) return lastError();
  return std::nullopt;
}

FileOutcome PlatformFiles::write(FileHandle file, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd(file), bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return lastError();
    if (n == 0) return systemError(EIO);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return std::nullopt;
}

FileOutcome PlatformFiles::sync(FileHandle file) {
  if (::fsync(fd(file)) != 0) return lastError();
  return std::nullopt;
}

FileOutcome PlatformFiles::close(FileHandle file) {
  if (::close(fd(file)) != 0) return lastError();
  return std::nullopt;
}

FileOutcome PlatformFiles::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return lastError();
  return std::nullopt;
}

// A rename lasts only once its folder is on the disk too. A file system
// that cannot sync a folder says so with EINVAL or ENOTSUP.
FileOutcome PlatformFiles::syncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return lastError();
  int error = 0;
  if (::fsync(descriptor) != 0 && errno != EINVAL && errno != ENOTSUP) error = errno;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error != 0) return systemError(error);
  return std::nullopt;
}

bool PlatformFiles::isOwnFile(const std::filesystem::path& name) {
  struct stat info {};
  return ::lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

void PlatformFiles::remove(const std::filesystem::path& name) { ::unlink(name.c_str()); }

PlatformFiles& platformFiles() {
  static PlatformFiles files;
  return files;
}

Environment systemEnvironment() {
  return [](const char* name) -> std::optional<std::filesystem::path> {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::filesystem::path(value);
  };
}

// The XDG rule: a relative XDG_DATA_HOME is ignored.
std::filesystem::path gameDataFolder(const Environment& environment) {
  const auto absolute = [&](const char* name) {
    const std::optional<std::filesystem::path> value = environment(name);
    return value && value->is_absolute() ? *value : std::filesystem::path();
  };
  if (const std::filesystem::path data = absolute("XDG_DATA_HOME"); !data.empty()) return data / "klandor";
  if (const std::filesystem::path home = absolute(kHomeVariable); !home.empty()) {
    return home / ".local" / "share" / "klandor";
  }
  return {};
}

}  // namespace klandor
