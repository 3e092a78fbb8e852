// Settings files of the user's choice: the dialogs that ask for one, saving
// the settings into one, and loading one, which applies its settings as a
// restore does but loads its words-to-ignore file without a question.
#pragma once

#include <optional>
#include <string>

#include "settings/settings.h"
#include "settings/shell.h"
#include "settings/state_file.h"
#include "settings/state_file_hooks.h"

namespace velt {

// What the settings-file operations work with. restoring is the run's flag
// that is set while the program applies settings (the handlers of the
// controls it sets then stay quiet).
struct SettingsFileContext {
  Shell& shell;
  Settings& settings;
  const StateFile& stateFile;
  RestoreHooks& hooks;
  bool& restoring;
};

// Asks for a settings file to save to (forSaving) or to load from. Nothing
// when the dialog is cancelled, or answers an empty path, which would name
// the default state file.
std::optional<Text> AskForSettingsFile(Dialogs& dialogs, bool forSaving);

// Saves the settings to path; false after a "Save settings" message when
// that failed.
bool SaveSettingsFile(SettingsFileContext& context, const Text& path);

// Applies the settings file at path (native) with restoring set meanwhile:
// its words-to-ignore file is loaded without a question (none selected: no
// file's words stay in force).
RestoreResult LoadSettingsFile(SettingsFileContext& context, const std::string& path);

// A file that could not be applied (a list without a selection, a read error
// or an invalid value) is reported in a "Load settings" message; true when it
// was.
bool ReportFaultySettingsFile(Shell& shell, const RestoreResult& result);

}  // namespace velt
