// The Settings window's settings-file actions: save the settings to a file of
// the user's choice, load them from one, save them as the state, and
// reinitialize everything.
#pragma once

#include "engine/session.h"
#include "settings/state_file.h"
#include "settings/state_file_hooks.h"

namespace velt {

// "Save settings to file": asks for a path, saves, and reports in stateLabel.
void SaveSettingsToFile(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks);

// "Load settings from file": asks for a path and restores from it without the
// words-file question; a faulty file is reported and everything reinitialized.
void LoadSettingsFromFile(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks);

// "Save settings" (both windows): saves to the default state file; a pop-up
// below the button confirms, a message reports a failure.
void SaveSettings(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks);

// "Reinitialize": Initialize, then a confirming pop-up after start-up, or the
// state file written during start-up.
void Reinitialize(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks);

}  // namespace velt
