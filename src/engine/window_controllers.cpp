#include "engine/window_controllers.h"

#include "engine/window_actions.h"
#include "reports/display_format.h"
#include "reports/filter_handlers.h"
#include "reports/relisting.h"
#include "reports/text_sink.h"
#include "reports/text_window_mouse.h"
#include "sources/file_patterns.h"
#include "sources/folder_scan.h"
#include "sources/source_controls.h"
#include "wordlists/words_file_list.h"

namespace velt {

// --- main window ---

void MainWindowEngine::StartUp() {
  engine_.SetUpBeforeShow();
  engine_.StartUpAfterShow();
}

void MainWindowEngine::OnClearOutputClicked() {
  velt::OnClearOutputClicked(session());
}

void MainWindowEngine::OnOutputLeftClicked() {
  velt::OnOutputLeftClicked(session());
}

void MainWindowEngine::OnOutputRightClicked() {
  velt::OnOutputRightClicked(session());
}

void MainWindowEngine::OnSourceChosen(Source source) {
  Session& s = session();
  if (!s.run.startUpCompleted) return;
  s.settings.source = source;
  velt::OnSourceChosen(s, source);
  EnableFormatOptions(s, engine_.listing());
  s.view.SettingsChanged();
}

void MainWindowEngine::OnFileButtonClicked(int index) {
  velt::OnFileButtonClicked(engine_.sourceContext(), index);
}

void MainWindowEngine::OnClearFileClicked(int index) {
  velt::OnClearFileClicked(session(), index);
}

void MainWindowEngine::OnFilePathLeft(int index) {
  velt::OnFilePathLeft(session(), index);
}

void MainWindowEngine::OnFolderButtonClicked() {
  velt::OnFolderButtonClicked(engine_.sourceContext());
}

void MainWindowEngine::OnClearFolderClicked() {
  velt::OnClearFolderClicked(session());
}

void MainWindowEngine::OnFolderLeft() {
  velt::OnFolderLeft(session());
}

void MainWindowEngine::OnPathPatternsLeft(int index) {
  velt::OnPathPatternsLeft(session(), index);
}

void MainWindowEngine::OnListFilesClicked() {
  velt::OnListFilesClicked(engine_.sourceContext());
}

void MainWindowEngine::OnDisableOutputToFileClicked() {
  velt::OnDisableOutputToFileClicked(session(), engine_.listing());
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
  EnableFilterResults(s);
}

void MainWindowEngine::OnWordOrderChosen() {
  velt::OnWordOrderChosen(session(), engine_.listing());
}

void MainWindowEngine::OnDisplayFormatChosen() {
  velt::OnDisplayFormatChosen(session(), engine_.listing());
}

void MainWindowEngine::OnRelativeFrequencyClicked() {
  velt::OnRelativeFrequencyClicked(session(), engine_.listing());
}

void MainWindowEngine::OnSortByNumberOfFilesClicked() {
  velt::OnSortByNumberOfFilesClicked(session(), engine_.listing());
}

void MainWindowEngine::OnFileListFormatClicked() {
  velt::OnFileListFormatClicked(session(), engine_.listing());
}

void MainWindowEngine::OnFilterWordsLeft() {
  velt::OnFilterWordsLeft(session());
}

void MainWindowEngine::OnFilterWordsEntered() {
  velt::FilterWordsKeyPress(session(), engine_.listing(), u'\r');
}

void MainWindowEngine::OnFilterWordsEdited() {
  velt::FilterWordsKeyPress(session(), engine_.listing(), u'x');
}

void MainWindowEngine::OnFilterClicked() {
  velt::OnFilterClicked(session(), engine_.listing());
}

void MainWindowEngine::OnClearFilterClicked() {
  velt::OnClearFilterClicked(session());
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
