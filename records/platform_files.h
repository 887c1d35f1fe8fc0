#pragma once
// The file operations under the game's files (the best-times file, its
// lock, and what else the game keeps beside it), and where those files
// live: what each system does its own way. One side is built for each
// system (platform_files_posix.cpp, platform_files_windows.cpp), with the
// system's own calls only, no std::filesystem. Names are FilePaths (wide
// on Windows); a file is an opaque handle; a failure carries the system's
// number and its own words for it. A test derives from PlatformFiles to
// make one operation fail.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_path.h"

namespace klandor {

// An open file: a descriptor or a system handle, as the side has it.
enum class FileHandle : std::intptr_t {};

struct FileError {
  int code = 0;          // errno, or GetLastError() on Windows
  std::string reason;    // the system's words for code, UTF-8
  bool busy = false;     // a lock that another holds
  bool missing = false;  // no such file or folder
};
using FileOutcome = std::optional<FileError>;  // empty when done

class PlatformFiles {
 public:
  virtual ~PlatformFiles() = default;

  // Opens a regular file for reading, following links, in a way that a
  // pipe or a device in its place cannot stall the game; anything else in
  // its place is refused.
  virtual FileOutcome openToRead(const FilePath& name, FileHandle& file);
  // Up to limit bytes from the start of the file, fewer at its end.
  virtual FileOutcome read(FileHandle file, std::size_t limit, std::string& bytes);

  // The lock file: opened for reading and writing, made (for the player
  // only) when missing, never through a link.
  virtual FileOutcome openLock(const FilePath& name, FileHandle& file);
  // The exclusive lock on an open lock file, tried once; busy when another
  // holds it. Closing the file releases it.
  virtual FileOutcome tryLock(FileHandle file);

  // A new file for the player only, named prefix and six random letters or
  // digits; name is set to it.
  virtual FileOutcome createTemp(const FilePath& prefix, FileHandle& file, FilePath& name);
  // Gives a new file the permission bits of an existing one, where the
  // system keeps them in bits; nothing when that one does not exist.
  virtual FileOutcome copyPermissions(const FilePath& from, FileHandle file);
  // All of the bytes.
  virtual FileOutcome write(FileHandle file, std::string_view bytes);
  // Makes what was written last on the disk.
  virtual FileOutcome sync(FileHandle file);
  virtual FileOutcome close(FileHandle file);
  // Puts from in the place of to in one step, replacing it; both in the
  // same folder.
  virtual FileOutcome replace(const FilePath& from, const FilePath& to);
  // Makes the last replace in the folder last; done where the system has
  // no such step or the replace made it already.
  virtual FileOutcome syncFolder(const FilePath& folder);

  // A file that only ever grows: opened for writing at its end, following
  // a link, made for the player only when missing; anything but a regular
  // file in its place is refused.
  virtual FileOutcome openToAppend(const FilePath& name, FileHandle& file);
  // One whole row (or any bytes) at the end of a file opened to append, in
  // one write: other processes appending to the file never split it. When
  // not all of it can be written (a full disk), the file is cut back to
  // what it held before, so that no part of the row stays; that is sound
  // where every writer appends under the same lock.
  virtual FileOutcome appendRow(FileHandle file, std::string_view row);

  // The names in a folder, without "." and "..". A folder that is not
  // there fails as missing.
  virtual FileOutcome listFolder(const FilePath& folder, std::vector<FilePath::String>& names);
  // Makes the folder and every missing folder above it; done when it is
  // there already.
  virtual FileOutcome makeFolders(const FilePath& folder);
  // Whether something is found under the name, a link followed.
  virtual bool exists(const FilePath& name);
  // Where a link in the name's place leads in the end, as a whole name
  // with every link along the way resolved; nothing when the name is no
  // link, or a link that leads nowhere.
  virtual std::optional<FilePath> linkTarget(const FilePath& name);
  // Whether the entry is a regular file, not a link, owned by the player:
  // what a leftover of the game's own saves is.
  virtual bool isOwnFile(const FilePath& name);
  virtual void remove(const FilePath& name);
};

// The operations that do the real calls.
PlatformFiles& platformFiles();

// A variable of the player's environment, as a path; nothing when unset.
using Environment = std::function<std::optional<FilePath>(const char* name)>;
Environment systemEnvironment();

// The game's own folder of the player's data: on Linux
// $XDG_DATA_HOME/klandor when that is an absolute path, else
// ~/.local/share/klandor under an absolute, non-empty $HOME; on Windows
// %APPDATA%\Klandor. Empty when the environment names no such place.
FilePath gameDataFolder(const Environment& environment);

// The game's own folder of the player's settings: on Linux
// $XDG_CONFIG_HOME/klandor when that is an absolute path, else
// ~/.config/klandor under an absolute, non-empty $HOME; on Windows the
// folder of its data, %APPDATA%\Klandor. Empty when the environment names
// no such place.
FilePath gameSettingsFolder(const Environment& environment);

// The variable that names the player's home for data, for telling the
// player when it names none.
extern const char kHomeVariable[];

}  // namespace klandor
