#pragma once
// The exclusive lock that the game's windows take before they write a file
// they share, so that one never undoes what another wrote: held on a lock
// file of its own beside that file (which may itself be replaced, and then
// could not carry a lock). The lock file is made once, with its folder,
// never through a link, and never removed; made with the owner, group and
// permission bits of the file it guards (see PlatformFiles::openLock), so
// that the players who share that file in a group's folder share its lock
// too. The lock ends when its FileLock does.

#include <chrono>

#include "records/platform_files.h"

namespace klandor {

// The lock file of a file: its name and ".lock", beside it, or beside the
// file that a link in its place leads to, so that every name of a linked
// file locks the same lock file.
FilePath lockFileOf(const FilePath& file, PlatformFiles& files = platformFiles());

class FileLock {
 public:
  // Takes the lock of the lock file name; guarded is the file it guards,
  // whose owner, group and bits a new lock file takes (empty: the player's
  // alone). Another window holds it only while it writes, so the wait is
  // short; one that lasts longer means that window is stuck, and the game
  // must not freeze with it. A zero wait tries once. Once held, the lock
  // file must still be the one under the name: one removed or replaced
  // meanwhile locks nothing, and the lock is taken again on the new one,
  // once.
  FileLock(FilePath name, std::chrono::milliseconds wait, PlatformFiles& files = platformFiles(),
           const FilePath& guarded = {});
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  bool held() const { return !failure_; }
  // Why the lock is not held: the system's reason, or, busy, another
  // window held it for the whole wait.
  const FileOutcome& failure() const { return failure_; }
  const FilePath& name() const { return name_; }

 private:
  // Opens and locks the lock file by the deadline: the failure, or nothing.
  FileOutcome take(const FilePath& guarded, std::chrono::steady_clock::time_point deadline);

  PlatformFiles& files_;
  FilePath name_;
  FileHandle handle_{};
  FileOutcome failure_;
};

}  // namespace klandor
