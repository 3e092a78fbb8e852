#include "settings/settings_files.h"

#include <utility>

namespace velt {
namespace {

constexpr int kSavedUiText = 50;

FileDialogRequest SettingsFileDialog(Text title, bool forSaving) {
  FileDialogRequest request;
  request.title = std::move(title);
  request.filters = {{u"VELT settings files (*.velt)", u"*.velt"}};
  request.mustExist = !forSaving;
  request.confirmOverwrite = forSaving;
  return request;
}

// The chosen path is shown in the Settings window's state box.
void ShowChosenPath(Session& session, const Text& path) {
  session.window.SetCaption(ControlId::lblState, u"");
  session.window.SetCaption(ControlId::txbStateFile, path);
  session.window.SetVisible(ControlId::txbStateFile, true);
}

// Sets a flag for the lifetime of the guard and restores its old value.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag), old_(std::exchange(flag, true)) {}
  ~FlagGuard() { flag_ = old_; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
  const bool old_;
};

}  // namespace

void SaveSettingsToFile(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks) {
  const std::optional<Text> path =
      session.dialogs.SaveFile(SettingsFileDialog(u"Specify file to save settings to", true));
  // An empty path would name the default state file: treat it as a cancel.
  if (!path || path->empty()) return;
  ShowChosenPath(session, *path);
  const Text error = stateFile.SaveState(session.settings, PathToNative(*path));
  if (error.empty()) {
    session.window.SetCaption(ControlId::lblState, u"Settings saved to");
  } else {
    session.Message(u"Save settings", error, MessageIcon::Exclamation);
    session.window.SetCaption(ControlId::lblState, u"Error saving to");
  }
  hooks.ShowSettingsWindow();
}

void LoadSettingsFromFile(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks) {
  const std::optional<Text> path =
      session.dialogs.OpenFile(SettingsFileDialog(u"Specify file to load settings from.", false));
  if (!path || path->empty()) return;
  ShowChosenPath(session, *path);
  RestoreResult result;
  {
    const FlagGuard restoring(session.run.restoring);
    result = stateFile.RestoreSavedState({session.settings, session.dialogs, hooks, true},
                                         PathToNative(*path));
  }
  session.view.SettingsChanged();
  if (result.code == restore_result::kListWithoutSelection ||
      result.code == restore_result::kError) {
    const Text message = result.code == restore_result::kListWithoutSelection
                             ? Text(u"Invalid combo box index.")
                             : u"Error when attempting to load settings: " + result.description;
    session.Message(u"Load settings", message, MessageIcon::Exclamation);
    hooks.Initialize();
    session.window.SetCaption(ControlId::lblState, u"Error loading from");
  } else {
    session.window.SetCaption(ControlId::lblState, u"Settings loaded from");
  }
  hooks.ShowSettingsWindow();
}

void SaveSettings(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks) {
  const Text error = stateFile.SaveState(session.settings);
  if (error.empty()) {
    hooks.ShowTransientPopup(ControlId::cmdSaveState, session.UIText(kSavedUiText));
  } else {
    session.Message(u"Save state", error, MessageIcon::Exclamation);
  }
}

void Reinitialize(Session& session, const StateFile& stateFile, SettingsFileHooks& hooks) {
  hooks.Initialize();
  if (session.run.startUpCompleted) {
    hooks.ShowTransientPopup(ControlId::cmdInitialize, u"Program reinitialized");
  } else if (const Text error = stateFile.SaveState(session.settings); !error.empty()) {
    session.Message(u"Save state", error, MessageIcon::Exclamation);
  }
  session.window.SetVisible(ControlId::txbStateFile, false);
  session.window.SetCaption(ControlId::lblState, u"");
}

}  // namespace velt
