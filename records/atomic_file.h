#pragma once
// Writing a file that is never written in place: the new bytes go to a
// temporary file in the same folder, which is synced and renamed over the
// old one, so the file holds either its old bytes or the new ones whatever
// happens. A link in the file's place is written through: its target is
// replaced, in the target's folder, with its permission bits kept.
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
