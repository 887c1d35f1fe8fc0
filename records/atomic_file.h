#pragma once
// Writing a file that is, as a rule, never written in place: the new bytes
// go to a temporary file in the same folder, which is synced and renamed
// over the old one, so the file holds either its old bytes or the new ones
// whatever happens. A link in the file's place is written through: its
// target is replaced, in the target's folder, keeping what the file has of
// its own (PlatformFiles::copyPermissions: its bits, group and owner, or
// its attributes and access list). Once the new file is in place the save
// is done: a folder that cannot be synced afterwards undoes nothing.
//
// The file system's rules are kept. A file that its owner may not write (a
// read-only file), that the player may not write, or anything but a
// regular file is refused. Two cases are written in place, its bytes from
// the start in one write, cut to their length and synced, which a disk
// takes whole for a file as short as the game's: a file of several names
// (hard links), which a rename would part from its other names; and a file
// the player may write in a folder where the temporary file cannot be made
// or renamed (one the player may not write, an immutable one, or a sticky
// one where the file is another's).
//
// The temporary files are named as no person would name a file: a dot,
// the target's name, the game's mark and six random letters or digits
// (".minebs.txt.klandor-tmp.a1B2c3"). A save cut short before its rename
// (by a kill or a power cut) leaves one behind; the next save of the same
// file removes those that are the player's own regular files, never a
// link. It may do that only while no other save of the file is under way,
// so every writer of the file saves under one lock (FileLock).

#include <string_view>

#include "records/platform_files.h"

namespace klandor {

// Puts bytes in the place of the file, or of the file a link there leads
// to, as described above: the first failure, or nothing.
FileOutcome writeAtomically(const FilePath& path, std::string_view bytes, PlatformFiles& files = platformFiles());

}  // namespace klandor
