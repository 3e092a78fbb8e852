// The main window as a whole: start-up, quitting, its "Save settings" and
// "Copy to clipboard" buttons, the help window closing, being shown or hidden,
// and whether the elapsed-time timer runs.
#include "engine/window_actions.h"
#include "engine/window_controllers.h"

namespace velt {

// After the window is shown: the control setup, then the saved state and the
// start-up questions.
void MainWindowEngine::StartUp() {
  engine_.SetUpBeforeShow();
  engine_.StartUpAfterShow();
}

void MainWindowEngine::OnQuitClicked() {
  engine_.Quit();
}

void MainWindowEngine::OnSaveSettingsClicked() {
  engine_.SaveStateWithPopUp(true);
}

void MainWindowEngine::OnCopyClicked(const Text& selectedText) {
  Session& s = session();
  s.clipboard.Clear();
  s.clipboard.SetText(selectedText.empty() ? s.textWindow.text() : selectedText);
}

void MainWindowEngine::OnHelpClosed() {
  SetTheFocus(session());
}

void MainWindowEngine::OnWindowShown(bool shown) {
  session().window.SetVisible(ControlId::frmMain, shown);
}

bool MainWindowEngine::ElapsedTimeTimerWanted() {
  return session().run.timer2Enabled;
}

}  // namespace velt
