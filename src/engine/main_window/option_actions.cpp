// The main window's phrase options, its treatment of words to ignore and the
// filter mode.
#include "engine/window_controllers.h"

namespace velt {

// A phrase length chosen: the Count button takes the focus (when it can).
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

}  // namespace velt
