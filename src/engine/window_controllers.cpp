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

void MainWindowEngine::cmdClearOutput_Click() { velt::cmdClearOutput_Click(session()); }

void MainWindowEngine::txbOutput_LeftClick() { velt::txbOutput_LeftClick(session()); }

void MainWindowEngine::txbOutput_RightClick() { velt::txbOutput_RightClick(session()); }

void MainWindowEngine::optSource_Click(Source source) {
  Session& s = session();
  if (!s.run.blnStartUpCompleted) return;
  s.settings.source = source;
  velt::optSource_Click(s, source);
  EnableFormatOptions(s, engine_.listing());
  s.view.SettingsChanged();
}

void MainWindowEngine::cmdFile_Click(int index) {
  velt::cmdFile_Click(engine_.sourceContext(), index);
}

void MainWindowEngine::cmdClearFile_Click(int index) { velt::cmdClearFile_Click(session(), index); }

void MainWindowEngine::txbFile_LostFocus(int index) { velt::txbFile_LostFocus(session(), index); }

void MainWindowEngine::cmdFolder_Click() { velt::cmdFolder_Click(engine_.sourceContext()); }

void MainWindowEngine::cmdClearFolder_Click() { velt::cmdClearFolder_Click(session()); }

void MainWindowEngine::txbFolder_LostFocus() { velt::txbFolder_LostFocus(session()); }

void MainWindowEngine::txbFileFilepathSpecifications_LostFocus(int index) {
  velt::txbFileFilepathSpecifications_LostFocus(session(), index);
}

void MainWindowEngine::cmdListFiles_Click() { velt::cmdListFiles_Click(engine_.sourceContext()); }

void MainWindowEngine::chkDisableOutputToFile_Click() {
  velt::chkDisableOutputToFile_Click(session(), engine_.listing());
}

void MainWindowEngine::cboPhraseLength_Click(int) {
  if (session().window.Get(ControlId::cmdCountPhrases).visible &&
      session().window.Get(ControlId::cmdCountPhrases).enabled) {
    session().window.SetFocus(ControlId::cmdCountPhrases);
  }
}

void MainWindowEngine::cboMinimumFrequency_Click() { cboPhraseLength_Click(0); }

void MainWindowEngine::optIgnoreMode_Click(IgnoreMode mode) {
  Session& s = session();
  s.settings.ignoreMode = mode;
  s.run.intIgnoreWordsOption = mode == IgnoreMode::None ? 1 : static_cast<int>(mode);
  EnableFilterResults(s);
}

void MainWindowEngine::cboWordOrder_Click() {
  velt::cboWordOrder_Click(session(), engine_.listing());
}

void MainWindowEngine::cboDisplayFormat_Click() {
  velt::cboDisplayFormat_Click(session(), engine_.listing());
}

void MainWindowEngine::chkDisplayRelativeFrequency_Click() {
  velt::chkDisplayRelativeFrequency_Click(session(), engine_.listing());
}

void MainWindowEngine::chkSortByNumberOfFiles_Click() {
  velt::chkSortByNumberOfFiles_Click(session(), engine_.listing());
}

void MainWindowEngine::chkFileList_Click() {
  velt::chkFileList_Click(session(), engine_.listing());
}

void MainWindowEngine::txbFilterWords_LostFocus() { velt::txbFilterWords_LostFocus(session()); }

void MainWindowEngine::txbFilterWords_Enter() {
  velt::txbFilterWords_KeyPress(session(), engine_.listing(), u'\r');
}

void MainWindowEngine::txbFilterWords_Changed() {
  velt::txbFilterWords_KeyPress(session(), engine_.listing(), u'x');
}

void MainWindowEngine::cmdFilterResults_Click() {
  velt::cmdFilterResults_Click(session(), engine_.listing());
}

void MainWindowEngine::cmdClear_Click() { velt::cmdClear_Click(session()); }

void MainWindowEngine::optFilterMode_Click(FilterMode mode) { session().settings.filterMode = mode; }

// --- Settings window ---

bool SettingsWindowEngine::cmdQuit_Click() {
  if (session().Message(u"Quit", u"Really quit?", MessageIcon::Question, MessageButtons::YesNo) !=
      Answer::Yes) {
    return false;
  }
  engine_.Quit();
  return true;
}

bool SettingsWindowEngine::cboWordsFile_ClickWanted() { return velt::cboWordsFile_Click(session(), 0); }

void SettingsWindowEngine::cmdClearWordsFile_Click() { velt::cmdClearWordsFile_Click(session(), 0); }

}  // namespace velt
