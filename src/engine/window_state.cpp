// Enabling of the working controls, the two one-second timers and the copy
// button.
#include "engine/engine.h"
#include "engine/window_actions.h"
#include "phrases/run_progress.h"
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

bool ContainsStop(const Text& caption) {
  Text lower = caption;
  for (char16_t& c : lower)
    c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  return lower.find(u"stop") != Text::npos;
}

// A path box shows its path as tooltip when it is long, a hint when empty.
void PathTooltip(WindowModel& window, ControlId box, const Text& path, size_t longerThan,
                 TextView emptyHint) {
  if (path.empty()) {
    window.SetTooltip(box, emptyHint);
  } else {
    window.SetTooltip(box, path.size() > longerThan ? TextView(path) : TextView());
  }
}

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

void Engine::Timer1_Tick() {
  Session& s = session_;
  WindowModel& w = s.window;
  const Settings& settings = s.settings;
  const bool longPhrasesMayNotFit = !s.view.MainWindowWidened() && stats_.wordsInLongestPhrase >= 8;
  w.SetTooltip(ControlId::txbOutput, longPhrasesMayNotFit
                                         ? TextView(u"You may need to increase the width.")
                                         : TextView());
  if (s.run.stopRequested) {
    w.SetCaption(ControlId::cmdCountPhrases, s.UIText(25));
  } else if (w.Get(ControlId::cmdCountPhrases).caption == s.UIText(25) &&
             table_.phraseCount() > 800) {
    w.SetCaption(ControlId::cmdCountPhrases, s.UIText(90));
  }
  if (ContainsStop(w.Get(ControlId::cmdCountPhrases).caption)) return;

  const bool hasFiles = !settings.wordsFileList.entries.empty();
  w.SetEnabled(ControlId::cmdClearFile_0, !settings.filePaths[0].empty());
  w.SetEnabled(ControlId::cmdClearFile_1, !settings.filePaths[1].empty());
  w.SetEnabled(ControlId::cmdClearWordsFile_0, hasFiles);
  w.SetEnabled(ControlId::cboWordsFile_0, hasFiles);
  w.SetEnabled(ControlId::cmdClearWordsToIgnoreOrCount_0, !settings.extraWords.empty());
  w.SetEnabled(ControlId::cmdClearFolder, !settings.inputFolder.empty());
  w.SetEnabled(ControlId::cmdClearOutput, s.textWindow.length() > 0);
  w.SetEnabled(ControlId::cmdCopyToClipboard, s.textWindow.length() > 20);
  w.SetCaption(ControlId::cmdSelectWordsFile_0,
               u"Words-to-ignore files (" +
                   Decimal(static_cast<int64_t>(settings.wordsFileList.entries.size())) + u")");
  const bool longSelection =
      settings.wordsFileList.HasSelection() && settings.wordsFileList.Selected().size() > 68;
  w.SetTooltip(ControlId::cboWordsFile_0,
               longSelection ? TextView(settings.wordsFileList.Selected()) : TextView());
  PathTooltip(w, ControlId::txbFile_0, settings.filePaths[0], 51,
              u"To specify an input file click on the button labelled 'Single file'.");
  PathTooltip(w, ControlId::txbFile_1, settings.filePaths[1], 41,
              u"To specify an output file click on the button labelled 'Output file'.");
  PathTooltip(w, ControlId::txbFolder, settings.inputFolder, 51,
              u"To specify a folder click on the button labelled 'Folder'.");
  const bool folder = settings.source == Source::Folder;
  w.SetVisible(ControlId::lblExcludeFilepaths, folder);
  w.SetVisible(ControlId::txbFileFilepathSpecifications_1, folder);
  w.SetTooltip(ControlId::cmdFile_0,
               settings.filePaths[0].empty()
                   ? TextView(u"Click on the 'Single file' button to specify an input file.")
                   : TextView());
  w.SetTooltip(ControlId::cmdFolder,
               settings.inputFolder.empty()
                   ? TextView(u"Click on the 'Folder' button to specify a folder with input files.")
                   : TextView());
}

void Engine::Timer2_Tick() {
  Session& s = session_;
  if (s.run.elapsedTimeRunning) {
    ++s.run.secondsElapsed;
    if (s.settings.source != Source::Clipboard) {
      s.window.SetCaption(ControlId::lblTimeElapsed_1,
                          u"Time elapsed: " + FormatElapsedTime(s.run.secondsElapsed));
    }
    s.window.SetCaption(ControlId::lblNumberOfWords, u"Number of different phrases found so far: " +
                                                         s.numbers.Grouped(table_.phraseCount()));
  }
  if (s.run.excludingSubphrases && s.textWindow.length() < 3000) s.textWindow.Append(u". ");
}

void Engine::OnCopyClicked(const Text& selectedText) {
  session_.clipboard.Clear();
  session_.clipboard.SetText(selectedText.empty() ? session_.textWindow.text() : selectedText);
}

}  // namespace velt
