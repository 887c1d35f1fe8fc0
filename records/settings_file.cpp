#include "records/settings_file.h"

#include "records/atomic_file.h"
#include "records/file_lock.h"

namespace klandor {

namespace {

// A settings file is a few lines; a longer one is other bytes.
constexpr std::size_t kReadLimit = 64 * 1024;

std::string readText(PlatformFiles& files, const FilePath& path) {
  std::string text;
  FileHandle file{};
  if (path.empty() || files.openToRead(path, file)) return {};
  if (files.read(file, kReadLimit, text)) text.clear();
  files.close(file);
  return text;
}

}  // namespace

SettingsFile::SettingsFile(FilePath path, PlatformFiles& files, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), files_(files), lockWait_(lockWait) {}

Settings SettingsFile::load() const { return parseSettings(readText(files_, path_)); }

FileOutcome SettingsFile::save(const Settings& settings) {
  if (path_.empty()) return FileError{0, "no folder for the settings"};
  const FileLock lock(lockFileOf(path_, files_), lockWait_, files_, path_);
  if (!lock.held()) return lock.failure();
  return writeAtomically(path_, formatSettings(settings, readText(files_, path_)), files_);
}

FilePath settingsPath(const Environment& environment) {
  const FilePath folder = gameSettingsFolder(environment);
  return folder.empty() ? folder : folder / std::string(kSettingsFileName);
}

}  // namespace klandor
