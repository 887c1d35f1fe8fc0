#pragma once
// The exclusive lock that the game's windows take before they write a file
// they share, so that one never undoes what another wrote: held on a lock
// file of its own beside that file (which may itself be replaced, and then
// could not carry a lock). The lock file is made once, for the player only
// and with its folder, never through a link, and never removed; the lock
// ends when its FileLock does.

#include <chrono>

#include "records/platform_files.h"

namespace klandor {

class FileLock {
 public:
  // Takes the lock of the lock file name. Another window holds it only
  // while it writes, so the wait is short; one that lasts longer means that
  // window is stuck, and the game must not freeze with it. A zero wait
  // tries once.
  FileLock(FilePath name, std::chrono::milliseconds wait, PlatformFiles& files = platformFiles());
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  bool held() const { return !failure_; }
  // Why the lock is not held: the system's reason, or, busy, another
  // window held it for the whole wait.
  const FileOutcome& failure() const { return failure_; }
  const FilePath& name() const { return name_; }

 private:
  PlatformFiles& files_;
  FilePath name_;
  FileHandle handle_{};
  FileOutcome failure_;
};

}  // namespace klandor
