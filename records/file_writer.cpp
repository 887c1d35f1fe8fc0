#include "records/file_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace klandor {

int FileWriter::createTemp(std::string& nameTemplate) { return ::mkostemp(nameTemplate.data(), O_CLOEXEC); }

ssize_t FileWriter::write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }

int FileWriter::fsync(int fd) { return ::fsync(fd); }

int FileWriter::close(int fd) { return ::close(fd); }

int FileWriter::rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str());
}

int FileWriter::unlink(const std::string& name) { return ::unlink(name.c_str()); }

int FileWriter::openDirectory(const std::string& name) {
  return ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int FileWriter::openLock(const std::string& name) {
  return ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600);
}

int FileWriter::flock(int fd, int operation) { return ::flock(fd, operation); }

FileWriter& posixFileWriter() {
  static FileWriter writer;
  return writer;
}

}  // namespace klandor
