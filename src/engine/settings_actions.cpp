// "Save settings" of both windows, and what velt-batch does with its settings
// file: the load, and the boxes committed before the count.
#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "settings/settings_files.h"
#include "settings/ui_texts.h"
#include "wordlists/extra_words.h"
#include "wordlists/ignore_notice.h"

namespace velt {

// "Save settings" is in both windows: the confirming pop-up goes below the
// button that was clicked. The main window's pop-up takes its width from its
// button (0).
void Engine::SaveStateWithPopUp(bool fromMainWindow) {
  const Text error = stateFile_.SaveState(session_.settings);
  if (!error.empty()) {
    session_.Message(MessageId::SaveStateFailed, u"Save state", error, MessageIcon::Exclamation);
    return;
  }
  constexpr int kSettingsWindowPopUpWidthTwips = 2350;
  const Text saved = session_.UIText(ui_text::kSettingsSaved);
  if (fromMainWindow) {
    session_.view.ShowPopUp(ControlId::cmdSaveState, saved, 0);
  } else {
    session_.view.ShowPopUp(ControlId::frmParams_cmdSaveState, saved,
                            kSettingsWindowPopUpWidthTwips);
  }
}

RestoreStatus Engine::LoadSettingsFile(const std::string& path) {
  const RestoreResult result = velt::LoadSettingsFile(settingsFileContext_, path);
  ReportFaultySettingsFile(session_.shell, result);
  session_.view.SettingsChanged();
  return result.status;
}

void Engine::PrepareBatchRun() {
  Session& s = session_;
  // The settings file's words-to-ignore file was loaded with the settings.
  GetExtraWords(wordListContext_, 0);
  mainWindow_->OnPathPatternsLeft(0);
  mainWindow_->OnPathPatternsLeft(1);
  mainWindow_->OnFilterWordsLeft();
  velt::SetWordsToIgnoreNotice(s.wordLists, s.window);
}

}  // namespace velt
