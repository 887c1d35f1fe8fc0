#pragma once
// The file operations under the best-times file, and where that file lives:
// what each system does its own way. One side is built for each system
// (platform_files_posix.cpp, platform_files_windows.cpp). Paths are
// std::filesystem paths (wide on Windows); a file is an opaque handle; a
// failure carries the system's number and its own words for it. A test
// derives from PlatformFiles to make one operation fail.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace klandor {

// An open file: a descriptor or a system handle, as the side has it.
enum class FileHandle : std::intptr_t {};

struct FileError {
  int code = 0;        // errno, or GetLastError() on Windows
  std::string reason;  // the system's words for code, UTF-8
  bool busy = false;   // a lock that another holds
};
using FileOutcome = std::optional<FileError>;  // empty when done

class PlatformFiles {
 public:
  virtual ~PlatformFiles() = default;

  // Opens a regular file for reading, following links, in a way that a
  // pipe or a device in its place cannot stall the game; anything else in
  // its place is refused.
  virtual FileOutcome openToRead(const std::filesystem::path& name, FileHandle& file);
  // Up to limit bytes from the start of the file, fewer at its end.
  virtual FileOutcome read(FileHandle file, std::size_t limit, std::string& bytes);

  // The lock file: opened for reading and writing, made (for the player
  // only) when missing, never through a link.
  virtual FileOutcome openLock(const std::filesystem::path& name, FileHandle& file);
  // The exclusive lock on an open lock file, tried once; busy when another
  // holds it. Closing the file releases it.
  virtual FileOutcome tryLock(FileHandle file);

  // A new file for the player only, named prefix and six random letters or
  // digits; name is set to it.
  virtual FileOutcome createTemp(const std::filesystem::path& prefix, FileHandle& file,
                                 std::filesystem::path& name);
  // Gives a new file the permission bits of an existing one, where the
  // system keeps them in bits; nothing when that one does not exist.
  virtual FileOutcome copyPermissions(const std::filesystem::path& from, FileHandle file);
  // All of the bytes.
  virtual FileOutcome write(FileHandle file, std::string_view bytes);
  // Makes what was written last on the disk.
  virtual FileOutcome sync(FileHandle file);
  virtual FileOutcome close(FileHandle file);
  // Puts from in the place of to in one step, replacing it; both in the
  // same folder.
  virtual FileOutcome replace(const std::filesystem::path& from, const std::filesystem::path& to);
  // Makes the last replace in the folder last; done where the system has
  // no such step or the replace made it already.
  virtual FileOutcome syncFolder(const std::filesystem::path& folder);

  // Whether the entry is a regular file, not a link, owned by the player:
  // what a leftover of the game's own saves is.
  virtual bool isOwnFile(const std::filesystem::path& name);
  virtual void remove(const std::filesystem::path& name);
};

// The operations that do the real calls.
PlatformFiles& platformFiles();

// A variable of the player's environment, as a path; nothing when unset.
using Environment = std::function<std::optional<std::filesystem::path>(const char* name)>;
Environment systemEnvironment();

// The game's own folder of the player's data: on Linux
// $XDG_DATA_HOME/klandor when that is an absolute path, else
// ~/.local/share/klandor under an absolute, non-empty $HOME; on Windows
// %APPDATA%\Klandor. Empty when the environment names no such place.
std::filesystem::path gameDataFolder(const Environment& environment);

// The variable that names the player's home for data, for telling the
// player when it names none.
extern const char kHomeVariable[];

// A path as UTF-8 text, to show the player.
inline std::string displayName(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

}  // namespace klandor
