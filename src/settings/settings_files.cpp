#include "settings/settings_files.h"

#include <utility>

namespace velt {
namespace {

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

std::optional<Text> AskForSettingsFile(Dialogs& dialogs, bool forSaving) {
  FileDialogRequest request;
  request.title =
      forSaving ? u"Specify file to save settings to" : u"Specify file to load settings from.";
  request.filters = {{u"VELT settings files (*.velt)", u"*.velt"}};
  request.mustExist = !forSaving;
  request.confirmOverwrite = forSaving;
  std::optional<Text> path = forSaving ? dialogs.SaveFile(request) : dialogs.OpenFile(request);
  if (path && path->empty()) path.reset();
  return path;
}

bool SaveSettingsFile(SettingsFileContext& context, const Text& path) {
  const Text error = context.stateFile.SaveState(context.settings, PathToNative(path));
  if (error.empty()) return true;
  context.shell.Message(MessageId::SaveSettingsFailed, u"Save settings", error,
                        MessageIcon::Exclamation);
  return false;
}

RestoreResult LoadSettingsFile(SettingsFileContext& context, const std::string& path) {
  const FlagGuard restoring(context.restoring);
  return context.stateFile.RestoreSavedState(
      {context.settings, context.shell.dialogs, context.hooks, true}, path);
}

bool ReportFaultySettingsFile(Shell& shell, const RestoreResult& result) {
  if (result.status == RestoreStatus::ListWithoutSelection) {
    shell.Message(MessageId::InvalidComboBoxIndex, u"Load settings", u"Invalid combo box index.",
                  MessageIcon::Exclamation);
    return true;
  }
  if (result.status == RestoreStatus::Error) {
    shell.Message(MessageId::LoadSettingsFailed, u"Load settings",
                  u"Error when attempting to load settings: " + result.description,
                  MessageIcon::Exclamation);
    return true;
  }
  return false;
}

}  // namespace velt
