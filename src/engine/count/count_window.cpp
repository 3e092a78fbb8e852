#include "engine/count/count_window.h"

#include "engine/main_window_controller.h"
#include "engine/window_actions.h"
#include "phrases/count_button.h"
#include "phrases/run_progress.h"
#include "sources/input_checks.h"
#include "sources/source_controls.h"
#include "text/strings.h"

namespace velt {

CountWindow::CountWindow(Engine& engine) : engine_(engine), session_(engine.session()) {}

void CountWindow::ShowText(Text text) {
  engine_.textSink().SetTextWindow(std::move(text));
  session_.window.Repaint(ControlId::txbOutput);
}

// --- before the reading ---

// As "Clear textbox" does: nothing of the last count stays to be relisted.
void CountWindow::Started() {
  engine_.mainWindow().OnClearOutputClicked();
}

void CountWindow::NotStarted() {
  session_.run.timer2Enabled = false;
}

// Only the Count button stays enabled, as the Stop button.
void CountWindow::RunStarted() {
  engine_.EnableDisableButtons(false);
  engine_.EnableListControls(false);
  engine_.EnableRunControls(false);
  session_.window.SetEnabled(ControlId::cmdCountPhrases, true);
  session_.window.SetEnabled(ControlId::frmParams, false);
  ConcealNumWords(session_, false);
}

// The Settings window shows the box to correct.
void CountWindow::ExtraWordsRefused() {
  engine_.ShowSettingsWindow();
}

void CountWindow::ReadingStarted() {
  Session& s = session_;
  ShowCountButton(s.shell, s.run, CountButton::Stop);
  s.window.SetCaption(ControlId::lblTimeElapsed_1, u"Time elapsed: 0s");
  s.window.SetVisible(ControlId::lblTimeElapsed_1, true);
  s.run.elapsedTimeRunning = true;
  s.run.elapsedTimeShown = true;
  s.run.secondsElapsed = 0;
  s.run.timer2Enabled = true;
}

// --- reading the source ---

void CountWindow::FileReading(const Text& path) {
  Text notice = u"Now counting phrases in";
  notice += kLineEnd;
  notice += path;
  notice += kLineEnd;
  notice += kLineEnd;
  ShowText(std::move(notice));
}

void CountWindow::FileRead() {
  ResetProgressLabel(session_.window);
  session_.window.Repaint(ControlId::txbOutput);
}

// The input-name problems have their message; an empty file also says so in
// the text window.
void CountWindow::FileRefused(const FileReadOutcome& outcome) {
  Session& s = session_;
  if (outcome.status == FileReadStatus::InputRefused) {
    ShowInputFileMessage(s.shell, s.settings, outcome.input);
    if (outcome.input == InputFileStatus::ZeroLength) {
      engine_.textSink().SetTextWindow(
          TrimSpaces(s.settings.filePaths[0]).empty() ? Text() : u"Input file is zero length!");
    }
  }
  engine_.EnableDisableButtons(true);
}

void CountWindow::ClipboardReading() {
  session_.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
}

// Without text on the clipboard the single-file source is selected.
void CountWindow::ClipboardEmpty() {
  Session& s = session_;
  s.settings.source = Source::SingleFile;
  SelectSource(engine_.sourceContext(), Source::SingleFile);
  SetTheFocus(s);
  s.view.SettingsChanged();
}

// --- after the reading ---

void CountWindow::SortingStarted() {
  ShowText(u"Now sorting ...");
}

void CountWindow::Stopped() {
  engine_.textSink().SetTextWindow(u"Stopped");
}

bool CountWindow::AskListIncomplete() {
  const Answer answer = session_.Message(
      MessageId::ListPhrasesFound, u"Counting interrupted",
      u"The operation was stopped before all phrases were counted.\r\nDo you wish to list those "
      u"which were found?",
      MessageIcon::Question, MessageButtons::YesNo);
  return answer != Answer::No;
}

void CountWindow::Abandoned() {
  engine_.EnableDisableButtons(true);
  SetCountPhrasesCaption(session_);
}

void CountWindow::NoFilesFound() {
  const SourceState& sources = session_.sources;
  const bool patterns = !sources.filePatterns.empty() || !sources.exclusionTexts.empty();
  Text text = u"No scanable files ";
  if (patterns) text += u"as specified ";
  text += u"were found in this folder";
  if (session_.settings.includeSubfolders) text += u" or in its subfolders";
  text += u".";
  session_.Message(MessageId::NoFilesFound, u"No files found", text, MessageIcon::Information);
}

// The Stop button stays the only control enabled while the phrases are processed.
void CountWindow::Processing(bool folderCounted) {
  Session& s = session_;
  if (folderCounted) {
    s.window.SetVisible(ControlId::txbFile_0, false);
    s.window.SetVisible(ControlId::lblFile, false);
    s.window.SetCaption(ControlId::lblFilesize, u"");
    s.window.SetCaption(ControlId::lblXMLsize, u"");
  }
  engine_.textSink().SetTextWindow(u"Processing . . .");
  s.window.SetCaption(ControlId::lblNumWordsExcluded, u"");
  ShowCountButton(s.shell, s.run, CountButton::Stop);
  s.window.SetEnabled(ControlId::cmdCountPhrases, true);
  s.window.Repaint(ControlId::txbOutput);
  engine_.EnableRunControls(false);
  engine_.EnableListControls(false);
}

void CountWindow::ExcludingSubphrases() {
  ShowText(Text());
  ShowText(u"Excluding redundant subphrases . . . ");
}

void CountWindow::SubphrasesStopped() {
  engine_.textSink().SetTextWindow(u"Counting of phrases was stopped.");
}

void CountWindow::FrequencyChainStarted() {
  ShowText(u"Now setting up frequency chain . . .");
}

void CountWindow::FrequencyChainProgress() {
  engine_.textSink().OutputToTxb(u" .");
}

// The counters below the text window; a filtered list shows its own.
void CountWindow::Counted(const ListStatistics& stats) {
  Session& s = session_;
  WindowModel& w = s.window;
  engine_.textSink().SetTextWindow(Text());
  const bool filtered = s.reports.filterActive;
  w.SetCaption(ControlId::lblNumberOfWords, filtered
                                                ? Text()
                                                : u"Number of phrases in this list: " +
                                                      s.numbers.Grouped(stats.includedPhraseCount));
  w.SetVisible(ControlId::lblNumberOfWords, true);
  w.SetVisible(ControlId::lblNumWordsExcluded, true);
  w.SetCaption(ControlId::lblNumOccurrences, u"");
  w.SetCaption(ControlId::lblTotalNumOccurrences, u"");
  w.SetAlign(ControlId::lblTotalNumOccurrences, Align::Right);
  if (!s.run.listIncomplete && stats.occurrenceCount > 0) {
    w.SetCaption(ControlId::lblNumWordsExcluded,
                 filtered ? Text()
                          : u"No. of instances of phrases in this list: " +
                                s.numbers.Grouped(stats.occurrenceCount));
    w.SetVisible(ControlId::lblNumWordsExcluded, true);
  }
  w.SetVisible(ControlId::lblNumOccurrences, true);
  w.SetVisible(ControlId::lblTotalNumOccurrences, true);
  s.run.elapsedTimeRunning = false;
  w.Repaint(ControlId::lblNumberOfWords);
}

void CountWindow::Listed() {
  session_.window.SetEnabled(ControlId::cmdCountPhrases, true);
}

// --- the end of the run ---

// The elapsed time stays shown from 3 seconds on; the controls are unlocked
// and the Count button is idle again.
void CountWindow::Ended(bool folderRead) {
  Session& s = session_;
  s.window.SetEnabled(ControlId::frmParams, true);
  s.run.timer2Enabled = false;
  s.run.elapsedTimeRunning = false;
  if (s.run.secondsElapsed < 3) s.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
  if (folderRead) {
    s.window.SetVisible(ControlId::txbFile_0, false);
    s.window.SetVisible(ControlId::lblFile, false);
    s.window.SetVisible(ControlId::cmdFile_0, false);
  }
  engine_.EnableDisableButtons(true);
  engine_.EnableListControls(true);
  engine_.EnableRunControls(true);
  SetCountPhrasesCaption(s);
}

// Filtering is offered for the new count.
void CountWindow::Finished(bool filterWordsKept) {
  Session& s = session_;
  s.window.SetEnabled(ControlId::cmdFilterResults, true);
  s.window.SetEnabled(ControlId::txbFilterWords, true);
  s.window.SetCaption(ControlId::lblNumOccurrences, u"");
  s.run.elapsedTimeRunning = false;
  if (filterWordsKept) engine_.mainWindow().OnFilterWordsLeft();
  s.view.SettingsChanged();
  s.window.SetFocus(ControlId::cmdCountPhrases);
}

}  // namespace velt
