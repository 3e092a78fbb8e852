// The main window's report controls and its text window: the report options
// that relist, the output-file switch, the filter box, the "Clear textbox"
// button and the mouse on the text window.
#include "engine/window_actions.h"
#include "engine/window_controllers.h"
#include "reports/display_format.h"
#include "reports/filter_box.h"
#include "reports/listing.h"
#include "reports/relisting.h"
#include "text/strings.h"

namespace velt {
namespace {

// The word order or the display format changed: the options that depend on
// them follow, then the report is listed again.
void RelistInNewLayout(Engine& engine) {
  if (!engine.session().run.startUpCompleted) return;
  ReportContext& reports = engine.reportContext();
  EnableFormatOptionsWithoutRelist(reports);
  RelistAfterOptionChange(reports, engine.listing());
}

}  // namespace

// --- the text window ---

// Empties the window, hides the counters and forgets the count, so that
// nothing can be relisted.
void MainWindowEngine::OnClearOutputClicked() {
  Session& s = session();
  engine_.textSink().ClearTextbox();
  ConcealNumWords(s, false);
  s.run.countAvailable = false;
  if (s.run.startUpCompleted) SetTheFocus(s);
}

// While files are listed or read (with words shown as found) a message box
// holds the run until it is closed.
void MainWindowEngine::OnOutputLeftClicked() {
  constexpr TextView kContinue = u"Click on 'OK' to continue.";
  Session& s = session();
  if (s.sources.listingFiles) {
    s.Message(MessageId::ListingFiles, u"Listing files to be scanned", Text(kContinue),
              MessageIcon::None);
  } else if (s.sources.readingFiles && !s.settings.suppressWordsAsFound) {
    s.Message(MessageId::ScanningFiles, u"Scanning files", Text(kContinue), MessageIcon::None);
  }
}

// With the clipboard source, explains how to count its text.
void MainWindowEngine::OnOutputRightClicked() {
  Session& s = session();
  if (s.settings.source != Source::Clipboard) return;
  s.Message(MessageId::HowToCountClipboard, u"Text on clipboard",
            u"To count phrases on the clipboard click on 'Count ...'", MessageIcon::None);
}

// --- report options ---
// The window changes the settings record first, then calls the handler. The
// engine itself runs the handlers that its own changes of a setting imply
// (through the report hooks); a window must not call them again when it
// mirrors such a change (SettingsChanged).

void MainWindowEngine::OnWordOrderChosen() {
  RelistInNewLayout(engine_);
}

void MainWindowEngine::OnDisplayFormatChosen() {
  RelistInNewLayout(engine_);
}

void MainWindowEngine::OnRelativeFrequencyClicked() {
  RelistAfterOptionChange(engine_.reportContext(), engine_.listing());
}

void MainWindowEngine::OnSortByNumberOfFilesClicked() {
  RebuildFrequencyChain(engine_.reportContext(), engine_.listing());
  RelistAfterOptionChange(engine_.reportContext(), engine_.listing());
}

// "Set display format to #10": checked, remembers the format and selects 10;
// unchecked, selects the remembered format again.
void MainWindowEngine::OnFileListFormatClicked() {
  Session& s = session();
  ReportContext& reports = engine_.reportContext();
  if (s.settings.fileListFormat) {
    s.reports.previousDisplayFormat = s.settings.displayFormat;
    SelectDisplayFormat(reports, kFileListFormat);
    s.window.SetFocus(ControlId::cboDisplayFormat);
  } else {
    SelectDisplayFormat(reports, s.reports.previousDisplayFormat);
  }
}

// The "Disable" box beside the output path: unchecked with a count available,
// offers to relist so that the file gets written.
void MainWindowEngine::OnDisableOutputToFileClicked() {
  Session& s = session();
  const Settings& settings = s.settings;
  if (!settings.outputToFileDisabled && !settings.filePaths[1].empty() && s.run.countAvailable &&
      !s.reports.listingRunning) {
    const Answer answer =
        s.Message(MessageId::Relist, u"Relist?", u"Relist words (so as to write to file)?",
                  MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::Yes) ListWords(engine_.reportContext(), engine_.listing());
  }
  SetTheFocus(s);
}

// --- filtering ---

void MainWindowEngine::OnFilterWordsLeft() {
  Session& s = session();
  NormaliseFilterWords(s.settings, s.reports);
  s.view.SettingsChanged();
}

// Enter commits the box and lists with filtering.
void MainWindowEngine::OnFilterWordsEntered() {
  OnFilterWordsLeft();
  OnFilterClicked();
}

// Any other key enables the "Clear" button.
void MainWindowEngine::OnFilterWordsEdited() {
  session().window.SetEnabled(ControlId::cmdClear, true);
}

// Lists the last complete count restricted to the filter words.
void MainWindowEngine::OnFilterClicked() {
  const Session& s = session();
  if (!s.run.startUpCompleted) return;
  if (TrimmedOfSpaces(s.settings.filterWords).empty() || !s.run.countAvailable) return;
  ListWordsFiltered(engine_.reportContext(), engine_.listing());
}

// Empties the box and puts the focus in it.
void MainWindowEngine::OnClearFilterClicked() {
  Session& s = session();
  s.settings.filterWords.clear();
  s.view.SettingsChanged();
  s.window.SetFocus(ControlId::txbFilterWords);
  s.window.SetEnabled(ControlId::cmdClear, false);
}

// Called after every click on one of the four ignore-mode options.
void MainWindowEngine::EnableFilterResults() {
  Session& s = session();
  const bool enabled = s.run.ignoreModeCode == s.run.ignoreModeCodeCounted;
  s.window.SetEnabled(ControlId::cmdFilterResults, enabled);
  s.window.SetEnabled(ControlId::txbFilterWords, enabled);
  s.settings.filterWords = enabled ? s.reports.filterWordsParsed : Text();
  s.view.SettingsChanged();
}

}  // namespace velt
