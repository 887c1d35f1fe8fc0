// The file operations on Windows: wide paths throughout, the lock held
// with LockFileEx, a temporary file flushed and moved over the file in one
// step that is written through.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>

#include <cstring>
#include <random>
#include <vector>

#include "records/platform_files.h"

namespace klandor {

namespace {

std::string utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

// The system's words for code, without the line break it ends them with.
FileError systemError(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring_view words(buffer, length);
  while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) {
    words.remove_suffix(1);
  }
  std::string reason = words.empty() ? "error " + std::to_string(code) : utf8(words);
  if (buffer != nullptr) ::LocalFree(buffer);
  return {static_cast<int>(code), std::move(reason), code == ERROR_LOCK_VIOLATION,
          code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND,
          code == ERROR_ACCESS_DENIED || code == ERROR_PRIVILEGE_NOT_HELD};
}
FileOutcome lastError() { return systemError(::GetLastError()); }

HANDLE handleOf(FileHandle file) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(file)); }

FileOutcome opened(HANDLE handle, FileHandle& file) {
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  file = static_cast<FileHandle>(reinterpret_cast<std::intptr_t>(handle));
  return std::nullopt;
}

// The file's identity and kind, through an open handle.
bool fileInfo(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
  info = {};
  return ::GetFileInformationByHandle(handle, &info) != 0;
}

// Codes that not every set of headers names.
constexpr DWORD kNotForFolders = 336;  // ERROR_DIRECTORY_NOT_SUPPORTED
constexpr DWORD kStoppedAtLink = 681;  // ERROR_STOPPED_ON_SYMLINK

// Every other window may read the file while one replaces it.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A reader without FILE_SHARE_DELETE (a virus scanner, an indexer) keeps a
// file from being replaced for a moment; the move is tried again a while.
constexpr int kMoveTries = 20;
constexpr DWORD kMovePauseMs = 10;

}  // namespace

const char kHomeVariable[] = "APPDATA";

FilePath::FilePath(std::string_view utf8) {
  if (utf8.empty()) return;
  const int length = static_cast<int>(utf8.size());
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  native_.assign(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, native_.data(), size);
}

std::string FilePath::utf8() const { return klandor::utf8(native_); }

namespace {

// A file on the disk, opened as asked: a folder, a pipe or a device in its
// place is refused.
FileOutcome openOnDisk(const FilePath& name, DWORD access, DWORD disposition, HANDLE& handle) {
  handle = ::CreateFileW(name.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return systemError(folder ? kNotForFolders : error);
  }
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    return FileError{ERROR_INVALID_FUNCTION, "not a regular file"};
  }
  return std::nullopt;
}

}  // namespace

FileOutcome PlatformFiles::openToRead(const FilePath& name, FileHandle& file) {
  HANDLE handle = nullptr;
  if (FileOutcome error = openOnDisk(name, GENERIC_READ, OPEN_EXISTING, handle)) return error;
  return opened(handle, file);
}

FileOutcome PlatformFiles::read(FileHandle file, std::size_t limit, std::string& bytes) {
  bytes.assign(limit, '\0');
  std::size_t got = 0;
  while (got < limit) {
    DWORD n = 0;
    if (!::ReadFile(handleOf(file), bytes.data() + got, static_cast<DWORD>(limit - got), &n, nullptr)) {
      return lastError();
    }
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  return std::nullopt;
}

FileOutcome PlatformFiles::seekNearEnd(FileHandle file, std::size_t last) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handleOf(file), &size)) return lastError();
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<std::size_t>(size.QuadPart) > last ? size.QuadPart - static_cast<LONGLONG>(last) : 0;
  if (!::SetFilePointerEx(handleOf(file), at, nullptr, FILE_BEGIN)) return lastError();
  return std::nullopt;
}

// A link in the lock file's place is opened as itself, never followed, and
// refused. A lock file the player may only read is opened for reading,
// which LockFileEx takes too. A new one has its folder's permissions, as
// the file it guards had when the game made it.
FileOutcome PlatformFiles::openLock(const FilePath& name, const FilePath&, FileHandle& file) {
  constexpr DWORD kFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS, kFlags,
                                nullptr);
  if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED) {
    handle = ::CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, kFlags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return systemError(ERROR_ACCESS_DENIED);
  }
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  BY_HANDLE_FILE_INFORMATION info{};
  DWORD error = 0;
  if (!fileInfo(handle, info)) {
    error = ::GetLastError();
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    error = kStoppedAtLink;
  } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || ::GetFileType(handle) != FILE_TYPE_DISK) {
    error = kNotForFolders;
  }
  if (error != 0) {
    ::CloseHandle(handle);
    return systemError(error);
  }
  return opened(handle, file);
}

FileOutcome PlatformFiles::tryLock(FileHandle file) {
  OVERLAPPED at{};
  if (!::LockFileEx(handleOf(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    const DWORD error = ::GetLastError();
    return systemError(error == ERROR_IO_PENDING ? ERROR_LOCK_VIOLATION : error);
  }
  return std::nullopt;
}

// The same file: the same volume and the same index on it.
bool PlatformFiles::names(const FilePath& name, FileHandle file) {
  const HANDLE named = ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (named == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION open{}, found{};
  const bool same = fileInfo(handleOf(file), open) && fileInfo(named, found) &&
                    open.dwVolumeSerialNumber == found.dwVolumeSerialNumber &&
                    open.nFileIndexHigh == found.nFileIndexHigh && open.nFileIndexLow == found.nFileIndexLow;
  ::CloseHandle(named);
  return same;
}

FileOutcome PlatformFiles::createTemp(const FilePath& prefix, FileHandle& file, FilePath& name) {
  static constexpr char kLetters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  static std::mt19937 random{std::random_device{}() ^ ::GetCurrentProcessId() ^ ::GetTickCount()};
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  for (int attempt = 0;; ++attempt) {
    FilePath::String candidate = prefix.native();
    for (int i = 0; i < 6; ++i) candidate += static_cast<wchar_t>(kLetters[letter(random)]);
    const HANDLE handle = ::CreateFileW(candidate.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS && attempt < 100) continue;
    const FileOutcome error = opened(handle, file);
    if (!error) name = std::move(candidate);
    return error;
  }
}

// The attributes a player sets (hidden, system, archive, not indexed) and
// the access list, its entries of its own and whether it takes those of
// its folder; the owner stays the player's. The replacement keeps them
// whether it is moved in by ReplaceFileW, which keeps them too, or by
// MoveFileExW, which does not.
FileOutcome PlatformFiles::copyPermissions(const FilePath& from, FileHandle file) {
  constexpr DWORD kKept =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(from.c_str(), GetFileExInfoStandard, &data)) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? std::nullopt : FileOutcome(systemError(error));
  }
  FILE_BASIC_INFO basic{};
  if (!::GetFileInformationByHandleEx(handleOf(file), FileBasicInfo, &basic, sizeof basic)) return lastError();
  basic.FileAttributes = (basic.FileAttributes & ~kKept) | (data.dwFileAttributes & kKept);
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  if (!::SetFileInformationByHandle(handleOf(file), FileBasicInfo, &basic, sizeof basic)) return lastError();

  PACL list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  DWORD error = ::GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                        &list, nullptr, &descriptor);
  if (error == ERROR_ACCESS_DENIED) return std::nullopt;  // a list the player may not read stays the folder's
  if (error != ERROR_SUCCESS) return systemError(error);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ::GetSecurityDescriptorControl(descriptor, &control, &revision);
  const SECURITY_INFORMATION which = DACL_SECURITY_INFORMATION | ((control & SE_DACL_PROTECTED)
                                                                      ? PROTECTED_DACL_SECURITY_INFORMATION
                                                                      : UNPROTECTED_DACL_SECURITY_INFORMATION);
  error = ::SetSecurityInfo(handleOf(file), SE_FILE_OBJECT, which, nullptr, nullptr, list, nullptr);
  ::LocalFree(descriptor);
  return error == ERROR_SUCCESS ? std::nullopt : FileOutcome(systemError(error));
}

FileOutcome PlatformFiles::write(FileHandle file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD n = 0;
    if (!::WriteFile(handleOf(file), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr)) return lastError();
    if (n == 0) return systemError(ERROR_WRITE_FAULT);
    bytes.remove_prefix(n);
  }
  return std::nullopt;
}

FileOutcome PlatformFiles::sync(FileHandle file) {
  if (!::FlushFileBuffers(handleOf(file))) return lastError();
  return std::nullopt;
}

FileOutcome PlatformFiles::close(FileHandle file) {
  if (!::CloseHandle(handleOf(file))) return lastError();
  return std::nullopt;
}

// ReplaceFileW puts the new file in the old one's place keeping the old
// one's attributes, access list, streams and times of creation; where
// there is no old file, MoveFileExW moves it there. Either fails, leaving
// both files as they were, while another process holds the old one open
// without sharing its deletion.
FileOutcome PlatformFiles::replace(const FilePath& from, const FilePath& to) {
  for (int attempt = 1;; ++attempt) {
    DWORD error = 0;
    if (::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      return std::nullopt;
    }
    error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) {  // no old file
      if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return std::nullopt;
      }
      error = ::GetLastError();
    }
    const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                      error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
    if (!held || attempt == kMoveTries) return systemError(error);
    ::Sleep(kMovePauseMs);
  }
}

// The file system writes its own records of a replace in order.
FileOutcome PlatformFiles::syncFolder(const FilePath&) { return std::nullopt; }

// The read-only attribute first, which an administrator and Wine's root
// would otherwise write through, then the access list, by opening the file
// to write without writing.
FileOutcome PlatformFiles::checkWritable(const FilePath& name, std::uint64_t& links) {
  links = 0;
  const HANDLE handle = ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(name.c_str());  // not followed: a link that leads nowhere
    if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) && attributes == INVALID_FILE_ATTRIBUTES) {
      return std::nullopt;
    }
    return systemError(error);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = fileInfo(handle, info);
  const DWORD error = known ? 0 : ::GetLastError();
  const bool disk = ::GetFileType(handle) == FILE_TYPE_DISK;
  ::CloseHandle(handle);
  if (!known) return systemError(error);
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !disk) return systemError(kNotForFolders);
  links = info.nNumberOfLinks;
  if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return systemError(ERROR_ACCESS_DENIED);
  const HANDLE writable = ::CreateFileW(name.c_str(), FILE_WRITE_DATA, kShareAll, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (writable == INVALID_HANDLE_VALUE) {
    const DWORD refused = ::GetLastError();
    if (refused != ERROR_SHARING_VIOLATION) return systemError(refused);  // held by another: the save tries
  } else {
    ::CloseHandle(writable);
  }
  return std::nullopt;
}

FileOutcome PlatformFiles::openToWrite(const FilePath& name, FileHandle& file) {
  const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    return FileError{ERROR_INVALID_FUNCTION, "not a regular file"};
  }
  return opened(handle, file);
}

FileOutcome PlatformFiles::resize(FileHandle file, std::uint64_t size) {
  FILE_END_OF_FILE_INFO end{};
  end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
  if (!::SetFileInformationByHandle(handleOf(file), FileEndOfFileInfo, &end, sizeof end)) return lastError();
  return std::nullopt;
}

// Written at the end of the file in each write (see appendRow), and able
// to cut a row short off again. A new file has the permissions of its
// folder, the player's own, as the temporary files do.
FileOutcome PlatformFiles::openToAppend(const FilePath& name, FileHandle& file) {
  HANDLE handle = nullptr;
  if (FileOutcome error = openOnDisk(name, GENERIC_WRITE, OPEN_ALWAYS, handle)) return error;
  BY_HANDLE_FILE_INFORMATION info{};
  if (fileInfo(handle, info) && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) {
    ::CloseHandle(handle);
    return systemError(ERROR_ACCESS_DENIED);
  }
  return opened(handle, file);
}

// An offset of all ones writes at the end of the file as it is at that
// moment, as a file opened for appending only does.
FileOutcome PlatformFiles::appendRow(FileHandle file, std::string_view row) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handleOf(file), &size)) return lastError();
  OVERLAPPED atEnd{};
  atEnd.Offset = 0xFFFFFFFF;
  atEnd.OffsetHigh = 0xFFFFFFFF;
  DWORD n = 0;
  const bool written = ::WriteFile(handleOf(file), row.data(), static_cast<DWORD>(row.size()), &n, &atEnd);
  if (written && n == row.size()) return std::nullopt;
  const DWORD error = written ? ERROR_DISK_FULL : ::GetLastError();
  if (n > 0) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile = size;
    ::SetFileInformationByHandle(handleOf(file), FileEndOfFileInfo, &end, sizeof end);
  }
  return systemError(error);
}

FileOutcome PlatformFiles::listFolder(const FilePath& folder, std::vector<FilePath::String>& names) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW((folder / L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return lastError();
  names.clear();
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") names.emplace_back(name);
  } while (::FindNextFileW(search, &found));
  const DWORD error = ::GetLastError();
  ::FindClose(search);
  if (error != ERROR_NO_MORE_FILES) return systemError(error);
  return std::nullopt;
}

FileOutcome PlatformFiles::makeFolders(const FilePath& folder) {
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? std::nullopt : FileOutcome(systemError(ERROR_DIRECTORY));
  }
  const FilePath above = folder.folder();
  if (above != folder) {
    if (const FileOutcome error = makeFolders(above)) return error;
  }
  if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) return lastError();
  return std::nullopt;
}

bool PlatformFiles::exists(const FilePath& name) {
  return ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The name the system finally opens through the name is where it leads:
// through a link or a junction, which are reparse points, and under Wine
// through a link of the system beneath, which shows none. The system gives
// that name as one to take as it is ("\\?\C:\..."), shown here in the usual
// way; it is the name's own full name, but for the letter case, when
// nothing on the way leads elsewhere.
std::optional<FilePath> PlatformFiles::linkTarget(const FilePath& name) {
  const HANDLE handle = ::CreateFileW(name.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::wstring target(MAX_PATH, L'\0');
  DWORD length = ::GetFinalPathNameByHandleW(handle, target.data(), static_cast<DWORD>(target.size()), 0);
  if (length >= target.size()) {
    target.resize(length);
    length = ::GetFinalPathNameByHandleW(handle, target.data(), static_cast<DWORD>(target.size()), 0);
  }
  ::CloseHandle(handle);
  if (length == 0 || length >= target.size()) return std::nullopt;
  target.resize(length);
  if (target.starts_with(L"\\\\?\\UNC\\")) {
    target.replace(0, 8, L"\\\\");
  } else if (target.starts_with(L"\\\\?\\") && target.size() >= 6 && target[5] == L':') {
    target.erase(0, 4);
  }
  std::wstring full(::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(::GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  if (::CompareStringOrdinal(full.c_str(), static_cast<int>(full.size()), target.c_str(),
                             static_cast<int>(target.size()), TRUE) == CSTR_EQUAL) {
    return std::nullopt;
  }
  return FilePath(std::move(target));
}

namespace {

// Whether sid is the player's: the user of this process, or the owner it
// gives the files it makes (the Administrators group, when elevated).
bool isPlayers(PSID sid) {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  bool players = false;
  for (const TOKEN_INFORMATION_CLASS kind : {TokenUser, TokenOwner}) {
    DWORD size = 0;
    ::GetTokenInformation(token, kind, nullptr, 0, &size);
    std::string buffer(size, '\0');
    if (size == 0 || !::GetTokenInformation(token, kind, buffer.data(), size, &size)) continue;
    const PSID own = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                       : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
    players = players || ::EqualSid(sid, own);
  }
  ::CloseHandle(token);
  return players;
}

}  // namespace

bool PlatformFiles::isOwnFile(const FilePath& name) {
  const DWORD attributes = ::GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
    return false;
  }
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(name.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool own = owner != nullptr && isPlayers(owner);
  ::LocalFree(descriptor);
  return own;
}

void PlatformFiles::remove(const FilePath& name) { ::DeleteFileW(name.c_str()); }

PlatformFiles& platformFiles() {
  static PlatformFiles files;
  return files;
}

Environment systemEnvironment() {
  return [](const char* name) -> std::optional<FilePath> {
    const std::wstring wide(name, name + std::strlen(name));  // the names are ASCII
    std::wstring value(::GetEnvironmentVariableW(wide.c_str(), nullptr, 0), L'\0');
    if (value.empty()) return std::nullopt;
    value.resize(::GetEnvironmentVariableW(wide.c_str(), value.data(), static_cast<DWORD>(value.size())));
    return FilePath(std::move(value));
  };
}

FilePath gameDataFolder(const Environment& environment) {
  const std::optional<FilePath> data = environment(kHomeVariable);
  return data && data->isAbsolute() ? *data / L"Klandor" : FilePath();
}

FilePath gameSettingsFolder(const Environment& environment) { return gameDataFolder(environment); }

}  // namespace klandor
