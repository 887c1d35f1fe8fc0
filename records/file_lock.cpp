#include "records/file_lock.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace klandor {

namespace {

// Between two tries for the lock, the pause doubles up to this.
constexpr std::chrono::milliseconds kLongestPause{16};

}  // namespace

FilePath lockFileOf(const FilePath& file, PlatformFiles& files) {
  FilePath name = files.linkTarget(file).value_or(file);
  return name += ".lock";
}

FileLock::FileLock(FilePath name, std::chrono::milliseconds wait, PlatformFiles& files, const FilePath& guarded)
    : files_(files), name_(std::move(name)) {
  files_.makeFolders(name_.folder());  // a folder still missing shows as the failure below
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (int tries = 1;; ++tries) {
    if ((failure_ = take(guarded, deadline))) return;
    if (files_.names(name_, handle_)) return;
    files_.close(handle_);
    if (tries == 2) {
      failure_ = FileError{0, "the lock file was replaced while it was taken"};
      return;
    }
  }
}

FileOutcome FileLock::take(const FilePath& guarded, std::chrono::steady_clock::time_point deadline) {
  if (FileOutcome error = files_.openLock(name_, guarded, handle_)) return error;
  std::chrono::milliseconds pause{1};
  for (;;) {
    FileOutcome error = files_.tryLock(handle_);
    if (!error) return std::nullopt;
    const auto now = std::chrono::steady_clock::now();
    if (!error->busy || now >= deadline) {
      if (error->busy) error->reason = "in use by another window of the game";
      files_.close(handle_);
      return error;
    }
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, kLongestPause);
  }
}

FileLock::~FileLock() {
  if (held()) files_.close(handle_);
}

}  // namespace klandor
