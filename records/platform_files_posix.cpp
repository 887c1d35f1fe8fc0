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
  return {code, std::generic_category().message(code), code == EWOULDBLOCK, code == ENOENT,
          code == EACCES || code == EPERM};
}
FileOutcome lastError() { return systemError(errno); }

int fd(FileHandle file) { return static_cast<int>(file); }

FileOutcome opened(int descriptor, FileHandle& file) {
  if (descriptor < 0) return lastError();
  file = static_cast<FileHandle>(descriptor);
  return std::nullopt;
}

// The refusal of anything but a regular file.
FileError notRegular(mode_t mode) { return S_ISDIR(mode) ? systemError(EISDIR) : FileError{EINVAL, "not a regular file"}; }

// The open descriptor as a handle when it is a regular file; closed and
// refused otherwise.
FileOutcome regularFile(int descriptor, FileHandle& file) {
  if (descriptor < 0) return lastError();
  struct stat info {};
  FileOutcome error;
  if (::fstat(descriptor, &info) != 0) {
    error = lastError();
  } else if (!S_ISREG(info.st_mode)) {
    error = notRegular(info.st_mode);
  }
  if (error) {
    ::close(descriptor);
    return error;
  }
  file = static_cast<FileHandle>(descriptor);
  return std::nullopt;
}

// Gives the open file the owner and group of info where the player may
// (the owner only as root, a group only one of the player's), or else the
// group alone; failing that, neither.
void takeOwnership(int descriptor, const struct stat& info) {
  if (::fchown(descriptor, info.st_uid, info.st_gid) == 0) return;
  if (::fchown(descriptor, static_cast<uid_t>(-1), info.st_gid) == 0) return;
}

}  // namespace

const char kHomeVariable[] = "HOME";

// Names are the system's bytes, which the game writes as UTF-8.
std::string FilePath::utf8() const { return native_; }

FileOutcome PlatformFiles::openToRead(const FilePath& name, FileHandle& file) {
  return regularFile(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY), file);
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

FileOutcome PlatformFiles::seekNearEnd(FileHandle file, std::size_t last) {
  struct stat info {};
  if (::fstat(fd(file), &info) != 0) return lastError();
  const auto size = static_cast<std::size_t>(info.st_size);
  if (::lseek(fd(file), static_cast<off_t>(size > last ? size - last : 0), SEEK_SET) < 0) return lastError();
  return std::nullopt;
}

// Made with O_EXCL, so that only its maker gives it its owner, group and
// bits, and then gets them exactly, whatever the umask. A lock file the
// player may only read is opened for reading: flock takes that too.
FileOutcome PlatformFiles::openLock(const FilePath& name, const FilePath& like, FileHandle& file) {
  constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  for (int tries = 0;; ++tries) {
    int descriptor = ::open(name.c_str(), O_RDWR | kFlags);
    if (descriptor < 0 && errno == ENOENT) {
      struct stat guarded {};
      const bool shaped = !like.empty() && ::stat(like.c_str(), &guarded) == 0 && S_ISREG(guarded.st_mode);
      const mode_t bits = shaped ? (guarded.st_mode & 0666) | S_IRUSR : 0600;
      descriptor = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | kFlags, bits);
      if (descriptor < 0 && errno == EEXIST && tries < 3) continue;  // made by another meanwhile
      if (descriptor >= 0 && shaped) {
        takeOwnership(descriptor, guarded);
        ::fchmod(descriptor, bits);
      }
    }
    if (descriptor < 0 && (errno == EACCES || errno == EPERM)) {
      const int refused = errno;
      descriptor = ::open(name.c_str(), O_RDONLY | kFlags);
      if (descriptor < 0) return systemError(refused);
    }
    return regularFile(descriptor, file);
  }
}

FileOutcome PlatformFiles::tryLock(FileHandle file) {
  while (::flock(fd(file), LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return lastError();
  }
  return std::nullopt;
}

bool PlatformFiles::names(const FilePath& name, FileHandle file) {
  struct stat open {}, named {};
  return ::fstat(fd(file), &open) == 0 && ::lstat(name.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

FileOutcome PlatformFiles::createTemp(const FilePath& prefix, FileHandle& file, FilePath& name) {
  std::string pattern = prefix.native() + "XXXXXX";
  const FileOutcome error = opened(::mkostemp(pattern.data(), O_CLOEXEC), file);  // mode 0600
  if (!error) name = pattern;
  return error;
}

// The owner and group first: a change of owner may clear the set-id bits.
FileOutcome PlatformFiles::copyPermissions(const FilePath& from, FileHandle file) {
  struct stat info {}, own {};
  if (::stat(from.c_str(), &info) != 0) return errno == ENOENT ? std::nullopt : lastError();
  if (::fstat(fd(file), &own) != 0) return lastError();
  if (own.st_uid != info.st_uid || own.st_gid != info.st_gid) takeOwnership(fd(file), info);
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

// The owner's write bit, then the player's own right (which, unlike the
// bit, sees an immutable file and a file system mounted read-only).
FileOutcome PlatformFiles::checkWritable(const FilePath& name, std::uint64_t& links) {
  links = 0;
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) {
    const int error = errno;
    struct stat link {};
    if (error == ENOENT && ::lstat(name.c_str(), &link) != 0) return std::nullopt;  // nothing there
    return systemError(error);
  }
  if (!S_ISREG(info.st_mode)) return notRegular(info.st_mode);
  links = info.st_nlink;
  if ((info.st_mode & S_IWUSR) == 0) return systemError(EACCES);
  if (::faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0) return lastError();
  return std::nullopt;
}

FileOutcome PlatformFiles::openToWrite(const FilePath& name, FileHandle& file) {
  return regularFile(::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY), file);
}

FileOutcome PlatformFiles::resize(FileHandle file, std::uint64_t size) {
  while (::ftruncate(fd(file), static_cast<off_t>(size)) != 0) {
    if (errno != EINTR) return lastError();
  }
  return std::nullopt;
}

// O_APPEND puts every write at the end in one step, whoever else appends.
FileOutcome PlatformFiles::openToAppend(const FilePath& name, FileHandle& file) {
  const int descriptor =
      ::open(name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
  if (const FileOutcome error = regularFile(descriptor, file)) return error;
  struct stat info {};
  if (::fstat(descriptor, &info) == 0 && (info.st_mode & S_IWUSR) != 0) return std::nullopt;
  ::close(descriptor);
  return systemError(EACCES);
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
