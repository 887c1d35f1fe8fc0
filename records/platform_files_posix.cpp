// The file operations on Linux and other POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>

#include "records/platform_files.h"

namespace klandor {

namespace {

FileError systemError(int code) {
  return {code, std::generic_category().message(code), code == EWOULDBLOCK, code == ENOENT};
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

// Names are the system's bytes, which the game writes as UTF-8.
std::string FilePath::utf8() const { return native_; }

FileOutcome PlatformFiles::openToRead(const FilePath& name, FileHandle& file) {
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

FileOutcome PlatformFiles::openLock(const FilePath& name, FileHandle& file) {
  return opened(::open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600), file);
}

FileOutcome PlatformFiles::tryLock(FileHandle file) {
  while (::flock(fd(file), LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return lastError();
  }
  return std::nullopt;
}

FileOutcome PlatformFiles::createTemp(const FilePath& prefix, FileHandle& file, FilePath& name) {
  std::string pattern = prefix.native() + "XXXXXX";
  const FileOutcome error = opened(::mkostemp(pattern.data(), O_CLOEXEC), file);  // mode 0600
  if (!error) name = pattern;
  return error;
}

FileOutcome PlatformFiles::copyPermissions(const FilePath& from, FileHandle file) {
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

FileOutcome PlatformFiles::replace(const FilePath& from, const FilePath& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return lastError();
  return std::nullopt;
}

// A rename lasts only once its folder is on the disk too. A file system
// that cannot sync a folder says so with EINVAL or ENOTSUP.
FileOutcome PlatformFiles::syncFolder(const FilePath& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return lastError();
  int error = 0;
  if (::fsync(descriptor) != 0 && errno != EINVAL && errno != ENOTSUP) error = errno;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error != 0) return systemError(error);
  return std::nullopt;
}

// O_APPEND puts every write at the end in one step, whoever else appends.
FileOutcome PlatformFiles::openToAppend(const FilePath& name, FileHandle& file) {
  const int descriptor =
      ::open(name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
  if (descriptor < 0) return lastError();
  struct stat info {};
  int error = ::fstat(descriptor, &info) != 0 ? errno : 0;
  if (error == 0 && !S_ISREG(info.st_mode)) error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
  if (error != 0) {
    ::close(descriptor);
    return error == EINVAL ? FileError{EINVAL, "not a regular file"} : systemError(error);
  }
  file = static_cast<FileHandle>(descriptor);
  return std::nullopt;
}

FileOutcome PlatformFiles::appendRow(FileHandle file, std::string_view row) {
  struct stat info {};
  if (::fstat(fd(file), &info) != 0) return lastError();
  std::string_view rest = row;
  int error = 0;
  while (!rest.empty() && error == 0) {
    const ssize_t n = ::write(fd(file), rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n == 0) error = EIO;
    if (n > 0) rest.remove_prefix(static_cast<std::size_t>(n));
  }
  if (error == 0) return std::nullopt;
  if (rest.size() < row.size()) {
    while (::ftruncate(fd(file), info.st_size) != 0 && errno == EINTR) {
    }
  }
  return systemError(error);
}

FileOutcome PlatformFiles::listFolder(const FilePath& folder, std::vector<FilePath::String>& names) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return lastError();
  names.clear();
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (entry == nullptr) break;
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
      names.emplace_back(entry->d_name);
    }
  }
  if (errno != 0) return lastError();
  return std::nullopt;
}

FileOutcome PlatformFiles::makeFolders(const FilePath& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) {
    return S_ISDIR(info.st_mode) ? std::nullopt : FileOutcome(systemError(ENOTDIR));
  }
  const FilePath above = folder.folder();
  if (above != folder) {
    if (const FileOutcome error = makeFolders(above)) return error;
  }
  if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return lastError();
  return std::nullopt;
}

bool PlatformFiles::exists(const FilePath& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0;
}

std::optional<FilePath> PlatformFiles::linkTarget(const FilePath& name) {
  struct stat info {};
  if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return std::nullopt;
  const std::unique_ptr<char, void (*)(void*)> target(::realpath(name.c_str(), nullptr), std::free);
  if (!target) return std::nullopt;
  return FilePath(target.get());
}

bool PlatformFiles::isOwnFile(const FilePath& name) {
  struct stat info {};
  return ::lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

void PlatformFiles::remove(const FilePath& name) { ::unlink(name.c_str()); }

PlatformFiles& platformFiles() {
  static PlatformFiles files;
  return files;
}

Environment systemEnvironment() {
  return [](const char* name) -> std::optional<FilePath> {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return FilePath(value);
  };
}

// The XDG rule: a relative XDG_DATA_HOME is ignored.
namespace {

// The game's folder under the XDG variable when it names an absolute
// path, else under the fallback in an absolute, non-empty $HOME.
FilePath xdgFolder(const Environment& environment, const char* variable, const FilePath& fallback) {
  const auto absolute = [&](const char* name) {
    const std::optional<FilePath> value = environment(name);
    return value && value->isAbsolute() ? *value : FilePath();
  };
  if (const FilePath folder = absolute(variable); !folder.empty()) return folder / "klandor";
  if (const FilePath home = absolute(kHomeVariable); !home.empty()) return home / fallback / "klandor";
  return {};
}

}  // namespace

FilePath gameDataFolder(const Environment& environment) {
  return xdgFolder(environment, "XDG_DATA_HOME", FilePath(".local") / "share");
}

FilePath gameSettingsFolder(const Environment& environment) {
  return xdgFolder(environment, "XDG_CONFIG_HOME", ".config");
}

}  // namespace klandor
