// Enabling of the working controls as groups: while a count runs they are
// disabled, afterwards enabled as the settings allow.
#include "engine/engine.h"
#include "reports/display_format.h"
#include "sources/source_controls.h"

namespace velt {
namespace {

constexpr ControlId kButtonsOfEnableDisable[] = {
    ControlId::cmdCopyToClipboard, ControlId::cmdClipboardViewer, ControlId::cmdHelp,
    ControlId::cmdSetParameters, ControlId::cmdClearOutput,
    ControlId::txbFileFilepathSpecifications_0, ControlId::txbFileFilepathSpecifications_1,
    ControlId::cmdListFiles, ControlId::cmdCountPhrases, ControlId::cmdSaveState,
    // The Settings window: every group but the phrase boundaries.
    ControlId::fraIgnoreTheseWords, ControlId::fraWordCharacters, ControlId::fraIgnoreWords,
    ControlId::fraOptions, ControlId::fraSettings, ControlId::cmdSetOrClearCheckboxes_0,
    ControlId::cmdSetOrClearCheckboxes_1, ControlId::cmdRestoreDefaults};

constexpr ControlId kRunControls[] = {ControlId::fraPhraseLength,  ControlId::fraExcludePhrases,
                                      ControlId::fraFilterResults, ControlId::fraSource,
                                      ControlId::lblScanOnlyFiles, ControlId::lblExcludeFilepaths};

}  // namespace

void Engine::EnableDisableButtons(bool enable) {
  if (enable) {
    EnableSourceControls(session_.shell, session_.settings);
  } else {
    DisableSourceControls(session_.window);
  }
  for (const ControlId id : kButtonsOfEnableDisable)
    session_.window.SetEnabled(id, enable);
}

void Engine::EnableListControls(bool enable) {
  WindowModel& w = session_.window;
  w.SetEnabled(ControlId::cboWordOrder, enable);
  w.SetEnabled(ControlId::cboDisplayFormat, enable);
  if (enable) {
    EnableFormatOptions(reportContext_);
  } else {
    w.SetEnabled(ControlId::chkDisplayRelativeFrequency, false);
    w.SetEnabled(ControlId::chkSortByNumberOfFiles, false);
  }
}

void Engine::EnableRunControls(bool enable) {
  for (const ControlId id : kRunControls)
    session_.window.SetEnabled(id, enable);
}

}  // namespace velt
