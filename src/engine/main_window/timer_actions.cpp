// The main window's two one-second timers: Timer1 keeps the Count button's
// caption and the idle window's controls up to date, Timer2 shows the elapsed
// time and the progress of a count.
#include "engine/window_controllers.h"
#include "phrases/count_button.h"
#include "phrases/run_progress.h"

namespace velt {
namespace {

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

void MainWindowEngine::Timer1_Tick() {
  Session& s = session();
  const bool longPhrasesMayNotFit =
      !s.view.MainWindowWidened() && engine_.statistics().wordsInLongestPhrase >= 8;
  s.window.SetTooltip(ControlId::txbOutput, longPhrasesMayNotFit
                                                ? TextView(u"You may need to increase the width.")
                                                : TextView());
  ShowStopButtonCaption();
  if (s.run.counting()) return;
  EnableIdleControls();
  ShowPathTooltips();
}

// A requested stop shows the first Stop caption until the run has stopped;
// past 800 phrases the caption says that there are many.
void MainWindowEngine::ShowStopButtonCaption() {
  Session& s = session();
  if (s.run.stopRequested) {
    ShowCountButton(s.shell, s.run, CountButton::Stop);
  } else if (s.run.countButton == CountButton::Stop && engine_.table().phraseCount() > 800) {
    ShowCountButton(s.shell, s.run, CountButton::StopManyPhrases);
  }
}

// The "Clear" and copy buttons follow their boxes; the words-to-ignore button
// counts the files.
void MainWindowEngine::EnableIdleControls() {
  Session& s = session();
  WindowModel& w = s.window;
  const Settings& settings = s.settings;
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
}

void MainWindowEngine::ShowPathTooltips() {
  WindowModel& w = session().window;
  const Settings& settings = session().settings;
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

void MainWindowEngine::Timer2_Tick() {
  Session& s = session();
  if (s.run.elapsedTimeRunning) {
    ++s.run.secondsElapsed;
    if (s.settings.source != Source::Clipboard) {
      s.window.SetCaption(ControlId::lblTimeElapsed_1,
                          u"Time elapsed: " + FormatElapsedTime(s.run.secondsElapsed));
    }
    s.window.SetCaption(ControlId::lblNumberOfWords,
                        u"Number of different phrases found so far: " +
                            s.numbers.Grouped(engine_.table().phraseCount()));
  }
  if (s.run.excludingSubphrases && s.textWindow.length() < 3000) s.textWindow.Append(u". ");
}

}  // namespace velt
