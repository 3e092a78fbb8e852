// The Settings window's settings files: "Save settings to file", "Load
// settings from file" and "Reinitialize". The state box below the buttons
// tells what became of the file chosen last.
#include "engine/window_controllers.h"
#include "settings/settings_files.h"

namespace velt {
namespace {

// The chosen path is shown in the state box.
void ShowChosenPath(WindowModel& window, const Text& path) {
  window.SetCaption(ControlId::lblState, u"");
  window.SetCaption(ControlId::txbStateFile, path);
  window.SetVisible(ControlId::txbStateFile, true);
}

}  // namespace

// index 0: "Save settings to file", index 1: "Load settings from file".
void SettingsWindowEngine::OnSaveOrLoadSettingsFileClicked(int index) {
  if (index == 0) {
    SaveSettingsToFile();
  } else {
    LoadSettingsFromFile();
  }
}

void SettingsWindowEngine::SaveSettingsToFile() {
  Session& s = session();
  const std::optional<Text> path = AskForSettingsFile(s.dialogs, true);
  if (!path) return;
  ShowChosenPath(s.window, *path);
  if (SaveSettingsFile(engine_.settingsFileContext(), *path)) {
    s.window.SetCaption(ControlId::lblState, u"Settings saved to");
  } else {
    s.window.SetCaption(ControlId::lblState, u"Error saving to");
  }
  engine_.ShowSettingsWindow();
}

// A file that cannot be applied leaves the program reinitialized.
void SettingsWindowEngine::LoadSettingsFromFile() {
  Session& s = session();
  const std::optional<Text> path = AskForSettingsFile(s.dialogs, false);
  if (!path) return;
  ShowChosenPath(s.window, *path);
  const RestoreResult result = LoadSettingsFile(engine_.settingsFileContext(), PathToNative(*path));
  s.view.SettingsChanged();
  if (ReportFaultySettingsFile(s.shell, result)) {
    engine_.Initialize();
    s.window.SetCaption(ControlId::lblState, u"Error loading from");
  } else {
    s.window.SetCaption(ControlId::lblState, u"Settings loaded from");
  }
  engine_.ShowSettingsWindow();
}

// Initialize, then a pop-up below the button confirms; before start-up has
// completed the state file is written instead.
void SettingsWindowEngine::OnReinitializeClicked() {
  constexpr int kPopUpWidthTwips = 2400;
  Session& s = session();
  engine_.Initialize();
  if (s.run.startUpCompleted) {
    s.view.ShowPopUp(ControlId::cmdInitialize, u"Program reinitialized", kPopUpWidthTwips);
  } else if (const Text error = engine_.stateFile().SaveState(s.settings); !error.empty()) {
    s.Message(MessageId::SaveStateFailed, u"Save state", error, MessageIcon::Exclamation);
  }
  s.window.SetVisible(ControlId::txbStateFile, false);
  s.window.SetCaption(ControlId::lblState, u"");
}

}  // namespace velt
