#pragma once
// File operations that fail at one step (and, when set, at a second one)
// with an error number until failAt is None again: the system's words for
// it, and denied for EACCES and EPERM, as the system's side says them. A
// write fails after half of its bytes, as a full disk does.

#include <cerrno>
#include <system_error>

#include "records/platform_files.h"

namespace klandor::test {

enum class Step {
  None, OpenToRead, Read, OpenLock, Lock, Create, Permissions, Write, Sync, Close, Replace, SyncFolder,
  OpenToWrite, Resize
};

class FailingFiles : public PlatformFiles {
 public:
  FailingFiles(Step failAt, int error) : failAt(failAt), error_(error) {}

  FileOutcome openToRead(const FilePath& name, FileHandle& file) override {
    return fails(Step::OpenToRead) ? error() : PlatformFiles::openToRead(name, file);
  }
  FileOutcome read(FileHandle file, std::size_t limit, std::string& bytes) override {
    return fails(Step::Read) ? error() : PlatformFiles::read(file, limit, bytes);
  }
  FileOutcome openLock(const FilePath& name, const FilePath& like, FileHandle& file) override {
    return fails(Step::OpenLock) ? error() : PlatformFiles::openLock(name, like, file);
  }
  FileOutcome tryLock(FileHandle file) override { return fails(Step::Lock) ? error() : PlatformFiles::tryLock(file); }
  FileOutcome createTemp(const FilePath& prefix, FileHandle& file, FilePath& name) override {
    return fails(Step::Create) ? error() : PlatformFiles::createTemp(prefix, file, name);
  }
  FileOutcome copyPermissions(const FilePath& from, FileHandle file) override {
    return fails(Step::Permissions) ? error() : PlatformFiles::copyPermissions(from, file);
  }
  FileOutcome write(FileHandle file, std::string_view bytes) override {
    if (!fails(Step::Write)) return PlatformFiles::write(file, bytes);
    PlatformFiles::write(file, bytes.substr(0, bytes.size() / 2));
    return error();
  }
  FileOutcome sync(FileHandle file) override { return fails(Step::Sync) ? error() : PlatformFiles::sync(file); }
  FileOutcome close(FileHandle file) override {
    const FileOutcome closed = PlatformFiles::close(file);
    return fails(Step::Close) ? error() : closed;
  }
  FileOutcome replace(const FilePath& from, const FilePath& to) override {
    return fails(Step::Replace) ? error() : PlatformFiles::replace(from, to);
  }
  FileOutcome syncFolder(const FilePath& folder) override {
    return fails(Step::SyncFolder) ? error() : PlatformFiles::syncFolder(folder);
  }
  FileOutcome openToWrite(const FilePath& name, FileHandle& file) override {
    return fails(Step::OpenToWrite) ? error() : PlatformFiles::openToWrite(name, file);
  }
  FileOutcome resize(FileHandle file, std::uint64_t size) override {
    return fails(Step::Resize) ? error() : PlatformFiles::resize(file, size);
  }

  Step failAt;
  Step alsoAt = Step::None;

 private:
  bool fails(Step step) const { return step == failAt || step == alsoAt; }
  FileOutcome error() const {
    FileError error{error_, std::generic_category().message(error_)};
    error.denied = error_ == EACCES || error_ == EPERM;
    return error;
  }

  int error_;
};

}  // namespace klandor::test
