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
  bool denied = false;   // the file system's rules forbid it: permissions, an immutable or a sticky folder
};
using FileOutcome = std::optional<FileError>;  // empty when done

class PlatformFiles {
 public:
  virtual ~PlatformFiles() = default;

  // Opens a regular file for reading, following links, in a way that a
  // pipe or a device in its place cannot stall the game; anything else in
  // its place is refused.
  virtual FileOutcome openToRead(const FilePath& name, FileHandle& file);
  // Up to limit bytes from where the file is read, fewer at its end: its
  // start once opened.
  virtual FileOutcome read(FileHandle file, std::size_t limit, std::string& bytes);
  // Reads on from the last `last` bytes of the file (all of a shorter one).
  virtual FileOutcome seekNearEnd(FileHandle file, std::size_t last);

  // The lock file: opened for reading and writing, or for reading alone
  // where the player may not write it (which is enough to lock it); never
  // through a link, nothing but a regular file. When missing it is made
  // with the owner (where the player may), group and read and write bits
  // of like, the file it guards, so that whoever may write that file may
  // take its lock; for the player only when like is empty or absent. On
  // Windows a new file has its folder's permissions.
  virtual FileOutcome openLock(const FilePath& name, const FilePath& like, FileHandle& file);
  // The exclusive lock on an open lock file, tried once; busy when another
  // holds it. Closing the file releases it.
  virtual FileOutcome tryLock(FileHandle file);
  // Whether the name still names the open file, and not another made in
  // its place since (or nothing, when it was removed).
  virtual bool names(const FilePath& name, FileHandle file);

  // A new file for the player only, named prefix and six random letters or
  // digits; name is set to it.
  virtual FileOutcome createTemp(const FilePath& prefix, FileHandle& file, FilePath& name);
  // Gives a new file what an existing one has of its own beyond its bytes,
  // as far as the player may: on POSIX its permission bits, its group and
  // its owner; on Windows its attributes (hidden, system...) and its
  // access list. Nothing when that one does not exist.
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

  // Whether a save may put new bytes in the file's place, a link
  // followed: nothing when no file is there, or for a regular file that
  // its owner may write (no read-only file) and the player too; the
  // refusal otherwise, a folder, a pipe, a device or a link that leads
  // nowhere included. links is set to the file's number of names (0 when
  // there is none).
  virtual FileOutcome checkWritable(const FilePath& name, std::uint64_t& links);
  // An existing regular file opened for writing from its start, a link
  // followed, never made; anything else in its place is refused without
  // waiting.
  virtual FileOutcome openToWrite(const FilePath& name, FileHandle& file);
  // Cuts the file, or lengthens it, to size bytes.
  virtual FileOutcome resize(FileHandle file, std::uint64_t size);

  // A file that only ever grows: opened for writing at its end, following
  // a link, made for the player only when missing; anything but a regular
  // file in its place is refused, and so is a file its owner may not write
  // (a read-only file), also where the system would let the player write it.
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
  // link, or a link that leads nowhere. On Windows any link or junction on
  // the way counts, and so does a link of the system under Wine, which
  // shows no reparse point.
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
