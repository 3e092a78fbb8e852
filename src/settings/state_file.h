// The state file: where it lives, saving the settings into it and restoring
// them from it. Settings files use the same operations with another path.
#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "settings/settings.h"
#include "settings/state_file_hooks.h"
#include "text/text.h"

namespace velt {

// Folder and file name of the state file below the configuration folder.
inline constexpr char kStateFolderName[] = "Orvane Systems";
inline constexpr char kStateFileName[] = "velt.usr";

// What decides the default location; unset members are unavailable.
struct StateLocationSources {
  std::optional<std::string> xdgConfigHome;  // $XDG_CONFIG_HOME
  std::optional<std::string> home;           // $HOME
  std::optional<std::string> accountHome;    // the home folder of the user's account
};

// <config>/Orvane Systems/velt.usr, where <config> is $XDG_CONFIG_HOME, else
// <home>/.config, <home> being $HOME or else the account's home folder. A
// candidate is usable when it is an absolute path that is a folder or does not
// exist yet. When neither is, <home> itself takes the place of <config>; with
// no home at all, the working folder.
std::string DefaultStatePath(const StateLocationSources& sources);

// The same from the environment and the account database.
std::string DefaultStatePath();

// How RestoreSavedState ended.
enum class RestoreStatus {
  FileMissing,           // there is no file to restore from; nothing changed
  Restored,              // the settings were read and applied
  ListWithoutSelection,  // applied, but a list box was left without a selection
  WordsFileNotLoaded,    // applied, but the selected words-to-ignore file was not loaded
  Error,                 // the file could not be read or holds invalid data
};

struct RestoreResult {
  RestoreStatus status = RestoreStatus::Restored;
  Text description;  // for Error
};

// What a restore works on.
struct RestoreTarget {
  Settings& settings;
  Dialogs& dialogs;
  RestoreHooks& hooks;
  // A settings file is loaded: its words-to-ignore file is loaded without a
  // question (none selected: no file's words stay in force).
  bool restoring = false;
};

class StateFile {
 public:
  explicit StateFile(std::string defaultPath) : defaultPath_(std::move(defaultPath)) {}

  const std::string& defaultPath() const { return defaultPath_; }

  // Writes the settings to path (the default path when empty). Returns an
  // empty text, or "Error when attempting to save state: " and the error's
  // description; a failed save leaves the previous file as it was.
  Text SaveState(const Settings& settings, const std::string& path = {}) const;

  // Reads the settings from path (the default path when empty) and applies
  // them, with the questions and hook calls that go with a restore.
  RestoreResult RestoreSavedState(const RestoreTarget& target, const std::string& path = {}) const;

 private:
  std::string Resolve(const std::string& path) const { return path.empty() ? defaultPath_ : path; }

  std::string defaultPath_;
};

}  // namespace velt
