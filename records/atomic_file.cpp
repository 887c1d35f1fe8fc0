#include "records/atomic_file.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

namespace klandor {

namespace {

constexpr char kTempMark[] = ".klandor-tmp.";
constexpr std::size_t kTempRandom = 6;

// What the names of the temporary files beside target begin with.
FilePath::String tempPrefix(const FilePath& target) {
  FilePath name(".");
  name += FilePath(target.name());
  name += kTempMark;
  return name.native();
}

bool isAsciiAlnum(FilePath::Char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isTempName(FilePath::View name, FilePath::View prefix) {
  return name.size() == prefix.size() + kTempRandom && name.starts_with(prefix) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(), isAsciiAlnum);
}

// The temporary files of saves that were cut short before their rename:
// only files of the game's own name for them, owned by the player, never a
// link.
void removeLeftovers(PlatformFiles& files, const FilePath& folder, const FilePath::String& prefix) {
  std::vector<FilePath::String> names;
  if (files.listFolder(folder, names)) return;
  for (const FilePath::String& name : names) {
    const FilePath leftover = folder / FilePath(name);
    if (isTempName(name, prefix) && files.isOwnFile(leftover)) files.remove(leftover);
  }
}

// A temporary file beside the target, with the target's permission bits;
// removed again unless it has been put in the target's place.
class TempFile {
 public:
  TempFile(PlatformFiles& files, const FilePath& target) : files_(files), target_(target) {
    error_ = files_.createTemp(target.folder() / FilePath(tempPrefix(target)), file_, name_);
    open_ = !error_;
    if (open_) error_ = files_.copyPermissions(target, file_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (open_) files_.close(file_);
    if (!name_.empty() && !placed_) files_.remove(name_);
  }

  bool placed() const { return placed_; }

  // Writes, syncs and closes the file and puts it in the target's place:
  // the first failure, or nothing.
  FileOutcome place(std::string_view bytes) {
    if (error_) return error_;
    FileOutcome error = files_.write(file_, bytes);
    if (!error) error = files_.sync(file_);
    open_ = false;
    const FileOutcome closed = files_.close(file_);
    if (!error) error = closed;
    if (!error) error = files_.replace(name_, target_);
    placed_ = !error;
    return error;
  }

 private:
  PlatformFiles& files_;
  FilePath target_;
  FilePath name_;
  FileHandle file_{};
  FileOutcome error_;
  bool open_ = false;
  bool placed_ = false;
};

// The bytes from the start of the existing file, which is then cut to
// their length (never emptied first) and synced.
FileOutcome writeInPlace(PlatformFiles& files, const FilePath& target, std::string_view bytes) {
  FileHandle file{};
  if (FileOutcome error = files.openToWrite(target, file)) return error;
  FileOutcome error = files.write(file, bytes);
  if (!error) error = files.resize(file, bytes.size());
  if (!error) error = files.sync(file);
  const FileOutcome closed = files.close(file);
  return error ? error : closed;
}

FileOutcome save(const FilePath& path, std::string_view bytes, PlatformFiles& files) {
  const FilePath target = files.linkTarget(path).value_or(path);
  std::uint64_t links = 0;
  if (FileOutcome refused = files.checkWritable(target, links)) return refused;
  if (links > 1) return writeInPlace(files, target, bytes);
  const FilePath folder = target.folder();
  removeLeftovers(files, folder, tempPrefix(target));
  FileOutcome error;
  {
    TempFile temp(files, target);
    error = temp.place(bytes);
    if (temp.placed()) {
      files.syncFolder(folder);
      return std::nullopt;
    }
  }
  if (error->denied && links == 1) return writeInPlace(files, target, bytes);
  return error;
}

}  // namespace

// Never throws: a save is called from the windows' event handlers, which
// must not be left by an exception (memory running out, for one).
FileOutcome writeAtomically(const FilePath& path, std::string_view bytes, PlatformFiles& files) {
  try {
    return save(path, bytes, files);
  } catch (const std::exception& error) {
    return FileError{0, error.what()};
  }
}

}  // namespace klandor
