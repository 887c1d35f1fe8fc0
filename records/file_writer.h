#pragma once
// The system calls through which the best-times file is replaced. Each
// returns what its POSIX namesake returns and leaves errno set on failure;
// a test derives from it to make one of them fail.

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace klandor {

class FileWriter {
 public:
  virtual ~FileWriter() = default;

  // mkostemp: creates and opens a new file from a name ending in XXXXXX,
  // which it completes in place.
  virtual int createTemp(std::string& nameTemplate);
  virtual ssize_t write(int fd, const void* data, std::size_t size);
  virtual int fsync(int fd);
  virtual int close(int fd);
  virtual int rename(const std::string& from, const std::string& to);
  virtual int unlink(const std::string& name);
  // open for reading, O_DIRECTORY, so that the directory can be synced.
  virtual int openDirectory(const std::string& name);
  // open for reading and writing, created with mode 0600 when missing: the
  // lock file.
  virtual int openLock(const std::string& name);
  virtual int flock(int fd, int operation);
};

// The writer that does the real calls.
FileWriter& posixFileWriter();

}  // namespace klandor
