#include "engine/window_controllers.h"

#include "engine/window_actions.h"
#include "reports/display_format.h"
#include "wordlists/words_file_list.h"

namespace velt {

// --- main window ---

void MainWindowEngine::StartUp() {
  engine_.SetUpBeforeShow();
  engine_.StartUpAfterShow();
}

void MainWindowEngine::OnPhraseLengthChosen(int) {
  if (session().window.Get(ControlId::cmdCountPhrases).visible &&
      session().window.Get(ControlId::cmdCountPhrases).enabled) {
    session().window.SetFocus(ControlId::cmdCountPhrases);
  }
}

void MainWindowEngine::OnMinimumFrequencyChosen() {
  OnPhraseLengthChosen(0);
}

void MainWindowEngine::OnIgnoreModeChosen(IgnoreMode mode) {
  Session& s = session();
  s.settings.ignoreMode = mode;
  s.run.ignoreModeCode = mode == IgnoreMode::None ? 1 : static_cast<int>(mode);
  EnableFilterResults();
}

void MainWindowEngine::OnFilterModeChosen(FilterMode mode) {
  session().settings.filterMode = mode;
}

// --- Settings window ---

bool SettingsWindowEngine::OnQuitClicked() {
  if (session().Message(u"Quit", u"Really quit?", MessageIcon::Question, MessageButtons::YesNo) !=
      Answer::Yes) {
    return false;
  }
  engine_.Quit();
  return true;
}

bool SettingsWindowEngine::WordsFileChoiceWanted() {
  return velt::WordsFileClickWanted(session(), 0);
}

void SettingsWindowEngine::OnClearWordsFilesClicked() {
  velt::OnClearWordsFilesClicked(session(), 0);
}

}  // namespace velt
