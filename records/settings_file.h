#pragma once
// The settings file, settings.ini in the game's folder of the player's
// settings: written only once the player changes an option, replaced
// atomically under a lock of its own, and read at the start. What another
// window or the player wrote there is kept: every save starts from the
// file's text as it is at that moment.

#include <chrono>
#include <string>

#include "records/best_file.h"
#include "records/settings.h"

namespace klandor {

class SettingsFile {
 public:
  // An empty path: no place for the file; nothing is read or written.
  explicit SettingsFile(FilePath path, PlatformFiles& files = platformFiles(),
                        std::chrono::milliseconds lockWait = kLockWait);

  const FilePath& path() const { return path_; }

  // The settings the file holds: every option off when it is missing,
  // can't be read or holds other bytes.
  Settings load() const;
  // Writes the settings, keeping the file's own lines.
  FileOutcome save(const Settings& settings);

 private:
  FilePath path_;
  PlatformFiles& files_;
  std::chrono::milliseconds lockWait_;
};

// Where the file lives: settings.ini in the game's folder of the player's
// settings; empty when the environment names none.
FilePath settingsPath(const Environment& environment = systemEnvironment());

}  // namespace klandor
