#include "records/file_lock.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace klandor {

namespace {

// Between two tries for the lock, the pause doubles up to this.
constexpr std::chrono::milliseconds kLongestPause{16};

}  // namespace

FileLock::FileLock(FilePath name, std::chrono::milliseconds wait, PlatformFiles& files)
    : files_(files), name_(std::move(name)) {
  files_.makeFolders(name_.folder());  // a folder still missing shows as the failure below
  if ((failure_ = files_.openLock(name_, handle_))) return;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::chrono::milliseconds pause{1};
  while ((failure_ = files_.tryLock(handle_))) {
    const auto now = std::chrono::steady_clock::now();
    if (!failure_->busy || now >= deadline) {
      if (failure_->busy) failure_->reason = "in use by another window of the game";
      files_.close(handle_);
      return;
    }
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, kLongestPause);
  }
}

FileLock::~FileLock() {
  if (held()) files_.close(handle_);
}

}  // namespace klandor
