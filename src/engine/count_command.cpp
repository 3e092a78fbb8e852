// The Count command and the counting run: checks, parameters, reading the
// source through the scanner and phrase assembly, sorting, threshold,
// redundant subphrases, statistics, frequency chain, counters and listing.
#include <filesystem>
#include <new>

#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "engine/window_actions.h"
#include "phrases/redundant_subphrases.h"
#include "phrases/run_progress.h"
#include "reports/display_format.h"
#include "reports/listing.h"
#include "reports/output_file_checks.h"
#include "reports/report_error.h"
#include "reports/summary.h"
#include "sources/clipboard_source.h"
#include "sources/file_patterns.h"
#include "sources/file_reader.h"
#include "sources/folder_scan.h"
#include "sources/input_checks.h"
#include "sources/source_controls.h"
#include "text/path_text.h"
#include "text/strings.h"
#include "wordlists/extra_words.h"

namespace velt {
namespace {

void ShowText(ReportContext& reports, Text text) {
  reports.sink.SetTextWindow(std::move(text));
  reports.shell.window.Repaint(ControlId::txbOutput);
}

// Rounds to the nearest integer, halves away from zero (file size in Kb).
int64_t KilobytesRounded(int64_t bytes) {
  return (bytes + 512) / 1024;
}

}  // namespace

void Engine::OnCountClicked() {
  Session& s = session_;
  // A click while the button shows a counting caption is a stop request. It is
  // taken before the input checks, so that a check failing in the middle of a
  // run (say, the clipboard emptied) can never keep the user from stopping.
  if (CountButtonShowsStop(s)) {
    const Answer answer = s.Message(s.UIText(21), u"Really stop?", MessageIcon::Question,
                                    MessageButtons::YesNo, Answer::No);
    if (answer == Answer::No) return;
    textSink_.SetTextWindow(u"Counting of all phrases was stopped.");
    s.run.stopRequested = true;
    s.window.SetCaption(ControlId::cmdCountPhrases, s.UIText(21));
    s.run.elapsedTimeRunning = false;
    s.run.timer2Enabled = false;
    s.pump.Yield();
    return;
  }
  countReachedListing_ = false;
  s.reports.errorsReported = 0;
  if (!CheckSourceBeforeCount(s.shell, s.settings)) return;
  s.run.summarySentence.clear();

  s.run.timer2Enabled = true;
  s.window.SetVisible(ControlId::lblTimeElapsed_1, true);
  SetCountPhrasesCaption(s);
  params_.wordsToIgnoreInForce = ThereAreWordsToIgnore();
  params_.minPhraseLength = s.settings.MinPhraseLength();
  params_.maxPhraseLength = s.settings.MaxPhraseLength();
  params_.minimumFrequency = s.settings.MinimumFrequency();

  if (params_.maxPhraseLength < params_.minPhraseLength) {
    s.Message(u"Invalid input",
              u"The maximum number of words in each phrase\r\nmust not be less than the minimum "
              u"number.",
              MessageIcon::Exclamation);
    return;
  }

  if (params_.minimumFrequency == 1 && s.settings.wordOrder == 0) {
    bool ask = s.settings.source == Source::Folder;
    if (s.settings.source == Source::SingleFile) {
      std::error_code error;
      const auto size = std::filesystem::file_size(
          std::filesystem::path(NativePath(TrimSpaces(s.settings.filePaths[0]))), error);
      ask = !error && KilobytesRounded(static_cast<int64_t>(size)) > 50;
    }
    if (ask) {
      const Answer answer = s.Message(
          u"Minimum number of occurrences",
          u"If you are just interested in the most frequently occurring phrases then the minimum "
          u"number of occurrences should be set to at least 2, otherwise processing will take "
          u"longer.\r\n\r\nDo you wish to reset it?",
          MessageIcon::Question, MessageButtons::YesNo);
      if (answer == Answer::Yes) return;
    }
  }

  if (!s.settings.filterWords.empty()) {
    const Answer answer = s.Message(u"Filter results?", u"Do you wish to keep the filter settings?",
                                    MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::No) return;
  }

  const int code = params_.SetIgnoreWordsOption(s.settings.ignoreMode);
  s.settings.filterWords = TrimSpaces(s.settings.filterWords);
  s.reports.filterActive = !s.settings.filterWords.empty();
  s.reports.filterWordFound = false;
  mainWindow_->OnClearOutputClicked();

  params_.phraseSlotCount = params_.maxPhraseLength;
  s.run.ignoreModeCodeCounted = code;

  RunCount();

  s.window.SetEnabled(ControlId::cmdFilterResults, true);
  s.window.SetEnabled(ControlId::txbFilterWords, true);
  s.window.SetCaption(ControlId::lblNumOccurrences, u"");
  s.run.elapsedTimeRunning = false;
  s.reports.filterActive = false;
  s.settings.filterWords = TrimSpaces(s.settings.filterWords);
  params_.minimumFrequency = s.settings.MinimumFrequency();
  if (s.settings.filterWords.empty()) {
    s.reports.filterWordCount = 0;
  } else {
    mainWindow_->OnFilterWordsLeft();
  }
  s.run.cancelRequested = false;
  s.view.SettingsChanged();
  s.window.SetFocus(ControlId::cmdCountPhrases);
}

bool Engine::OutputIsInputFile() const {
  const Settings& settings = session_.settings;
  if (settings.source != Source::SingleFile || !OutputToFileEnabled(settings)) return false;
  const std::filesystem::path input(NativePath(TrimSpaces(settings.filePaths[0])));
  const std::filesystem::path output(NativePath(TrimSpaces(settings.filePaths[1])));
  std::error_code error;
  if (std::filesystem::equivalent(input, output, error)) return true;
  return std::filesystem::absolute(input, error).lexically_normal() ==
         std::filesystem::absolute(output, error).lexically_normal();
}

void Engine::RunCount() {
  Session& s = session_;
  // Compared before the output file is opened: opening it would empty the input.
  if (OutputIsInputFile()) {
    ShowInputFileMessage(s.shell, s.settings, input_file::kOutputIsInput);
    s.run.stopRequested = false;
    s.run.timer2Enabled = false;
    return;
  }
  if (!CheckOutputFileBeforeCount(reportContext_)) {
    s.run.stopRequested = false;
    s.run.timer2Enabled = false;
    return;
  }
  if (params_.removeIgnoredWords) params_.phraseSlotCount *= 2;
  ignoreTest_ = std::make_unique<WordIgnoreTest>(lookups_, s.settings, s.run.stopRequested);
  assembler_ = std::make_unique<PhraseAssembler>(table_, params_, s.settings, *ignoreTest_,
                                                 s.run.stopRequested);
  countingSink_ = std::make_unique<CountingSink>(*assembler_, params_);

  EnableDisableButtons(false);
  EnableListControls(false);
  EnableRunControls(false);
  s.window.SetEnabled(ControlId::cmdCountPhrases, true);
  s.run.stopRequested = false;
  s.window.SetEnabled(ControlId::frmParams, false);

  try {
    CountPhrases();
  } catch (const std::bad_alloc&) {
    velt::ReportError(reportContext_, 7, u"Out of memory", u"DoIt B");
  } catch (const std::exception& error) {
    velt::ReportError(reportContext_, 51, FromUtf8(error.what()), u"DoIt B");
  }
  countingSink_.reset();
  assembler_.reset();
  ignoreTest_.reset();

  s.window.SetEnabled(ControlId::frmParams, true);
  s.run.timer2Enabled = false;
  s.run.elapsedTimeRunning = false;
  if (s.run.secondsElapsed < 3) s.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
  if (s.settings.source == Source::Folder && !s.run.stopRequested) {
    s.window.SetVisible(ControlId::txbFile_0, false);
    s.window.SetVisible(ControlId::lblFile, false);
    s.window.SetVisible(ControlId::cmdFile_0, false);
  }
  EnableDisableButtons(true);
  EnableListControls(true);
  EnableRunControls(true);
  s.run.stopRequested = false;
  SetCountPhrasesCaption(s);  // idle again
}

void Engine::StartElapsedTime() {
  Session& s = session_;
  s.window.SetCaption(ControlId::lblTimeElapsed_1, u"Time elapsed: 0s");
  s.window.SetVisible(ControlId::lblTimeElapsed_1, true);
  s.run.elapsedTimeRunning = true;
  s.run.elapsedTimeShown = true;
  s.run.secondsElapsed = 0;
  s.run.timer2Enabled = true;
}

void Engine::CountPhrases() {
  Session& s = session_;
  ConcealNumWords(s, false);
  s.reports.outputFileWritten = false;
  s.reports.minColumnWidth = 8;

  if (!CheckDisplayFormatAvailable(reportContext_)) return;
  if (s.settings.source != Source::Clipboard && !CheckFilePatterns(s.shell, s.sources)) return;
  if (!CheckAllowedExtraChars(s)) {
    ShowSettingsWindow();
    return;
  }

  s.window.SetCaption(ControlId::cmdCountPhrases, s.UIText(25));
  wordRules_.SetAllowedExtraChars1(s.settings);
  wordRules_.SetAllowedExtraChars2(s.settings);
  s.run.readingWordsFile = false;
  s.run.listIncomplete = false;
  scanner_.readingWordsFile = false;
  scanner_.entitiesPossible = false;
  s.reports.textWindowFull = false;
  scanner_.totalOccurrences = 0;
  StartElapsedTime();

  if (!ReadSource()) return;
  FinishCount();
}

bool Engine::ReadSource() {
  Session& s = session_;
  switch (s.settings.source) {
    case Source::Folder:
      return ScanFolderFiles(sourceContext_);
    case Source::SingleFile: {
      Text notice = u"Now counting phrases in";
      notice += kLineEnd;
      notice += s.settings.filePaths[0];
      notice += kLineEnd;
      notice += kLineEnd;
      ShowText(reportContext_, std::move(notice));
      const int code = DoItFromFile(sourceContext_);
      ResetProgressLabel(s.window);
      s.window.Repaint(ControlId::txbOutput);
      if (code <= 0) return true;
      if (code >= input_file::kEndsWithSlash && code <= input_file::kOutputIsInput) {
        ShowInputFileMessage(s.shell, s.settings, code);
        if (code == input_file::kZeroLength) {
          textSink_.SetTextWindow(
              TrimSpaces(s.settings.filePaths[0]).empty() ? Text() : u"Input file is zero length!");
        }
      }
      EnableDisableButtons(true);
      return false;
    }
    case Source::Clipboard:
      s.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
      if (!GetClipboardText(sourceContext_)) {
        s.settings.source = Source::SingleFile;
        SelectSource(sourceContext_, Source::SingleFile);
        SetTheFocus(s);
        s.view.SettingsChanged();
        return false;
      }
      return DoItFromClipboard(sourceContext_);
  }
  return false;
}

void Engine::FinishCount() {
  Session& s = session_;
  if (table_.phraseCount() > 1 && !s.run.stopRequested) {
    if (table_.phraseCount() > 1000) ShowText(reportContext_, u"Now sorting ...");
    table_.SortPhraseTable(1, table_.phraseCount(), 1);
  }

  if (s.run.stopRequested) {
    s.run.stopRequested = false;
    textSink_.SetTextWindow(u"Stopped");
    if (table_.phraseCount() == 0) {
      EnableDisableButtons(true);
      SetCountPhrasesCaption(s);
      return;
    }
    const Answer answer = s.Message(
        u"Counting interrupted",
        u"The operation was stopped before all phrases were counted.\r\nDo you wish to list those "
        u"which were found?",
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::No) {
      EnableDisableButtons(true);
      SetCountPhrasesCaption(s);
      return;
    }
    s.run.listIncomplete = true;
  }
  s.run.countAvailable = !s.run.listIncomplete;

  const bool folder = s.settings.source == Source::Folder;
  if (folder && s.sources.fileCount == 0) {
    const bool patterns = !s.sources.filePatterns.empty() || !s.sources.exclusionTexts.empty();
    Text text = u"No scanable files ";
    if (patterns) text += u"as specified ";
    text += u"were found in this folder";
    if (s.settings.includeSubfolders) text += u" or in its subfolders";
    text += u".";
    s.Message(u"No files found", text, MessageIcon::Information);
    return;
  }

  if (folder && s.run.countAvailable) {
    s.window.SetVisible(ControlId::txbFile_0, false);
    s.window.SetVisible(ControlId::lblFile, false);
    s.window.SetCaption(ControlId::lblFilesize, u"");
    s.window.SetCaption(ControlId::lblXMLsize, u"");
  }
  textSink_.SetTextWindow(u"Processing . . .");
  s.window.SetCaption(ControlId::lblNumWordsExcluded, u"");
  s.window.SetCaption(ControlId::cmdCountPhrases, s.UIText(25));
  s.window.SetEnabled(ControlId::cmdCountPhrases, true);
  s.window.Repaint(ControlId::txbOutput);
  EnableRunControls(false);
  EnableListControls(false);

  ApplyThreshold(table_, params_);

  ShowText(reportContext_, Text());
  ShowText(reportContext_, u"Excluding redundant subphrases . . . ");
  s.run.excludingSubphrases = true;
  ExcludeRedundantSubphrases(table_, s.run.stopRequested, s.pump);
  s.run.excludingSubphrases = false;

  if (s.run.stopRequested) {
    textSink_.SetTextWindow(u"Counting of phrases was stopped.");
    s.run.stopRequested = false;
    return;
  }

  stats_ = ComputeListStatistics(table_, s.pump);
  ShowText(reportContext_, u"Now setting up frequency chain . . .");
  BuildFrequencyChain(table_, stats_, s.settings.sortByNumberOfFiles, s.pump,
                      [this] { textSink_.OutputToTxb(u" ."); });
  textSink_.SetTextWindow(Text());
  PublishCounts();
  s.run.countDone = true;

  PhraseSummary summary;
  summary.includedPhraseCount = stats_.includedPhraseCount;
  summary.minPhraseLength = params_.minPhraseLength;
  summary.maxPhraseLength = params_.maxPhraseLength;
  summary.minimumFrequency = params_.minimumFrequency;
  summary.wordsInLongestPhrase = stats_.wordsInLongestPhrase;
  summary.wordsToIgnoreInForce = params_.wordsToIgnoreInForce;
  summary.removeIgnoredWords = params_.removeIgnoredWords;
  summary.excludePhrasesWithIgnoredWord = params_.excludePhrasesWithIgnoredWord;
  summary.excludePhrasesOfIgnoredWordsOnly = params_.excludePhrasesOfIgnoredWordsOnly;
  SetHowManyPhrases(reportContext_, summary);
  countReachedListing_ = true;
  if (stats_.includedPhraseCount > 0) ListWords(reportContext_, listing_);
  s.window.SetEnabled(ControlId::cmdCountPhrases, true);
}

void Engine::PublishCounts() {
  Session& s = session_;
  WindowModel& w = s.window;
  const bool filtered = s.reports.filterActive;
  w.SetCaption(ControlId::lblNumberOfWords,
               filtered ? Text()
                        : u"Number of phrases in this list: " +
                              s.numbers.Grouped(stats_.includedPhraseCount));
  w.SetVisible(ControlId::lblNumberOfWords, true);
  w.SetVisible(ControlId::lblNumWordsExcluded, true);
  w.SetCaption(ControlId::lblNumOccurrences, u"");
  w.SetCaption(ControlId::lblTotalNumOccurrences, u"");
  w.SetAlign(ControlId::lblTotalNumOccurrences, Align::Right);
  if (!s.run.listIncomplete && stats_.occurrenceCount > 0) {
    w.SetCaption(ControlId::lblNumWordsExcluded,
                 filtered ? Text()
                          : u"No. of instances of phrases in this list: " +
                                s.numbers.Grouped(stats_.occurrenceCount));
    w.SetVisible(ControlId::lblNumWordsExcluded, true);
  }
  w.SetVisible(ControlId::lblNumOccurrences, true);
  w.SetVisible(ControlId::lblTotalNumOccurrences, true);
  s.run.elapsedTimeRunning = false;
  w.Repaint(ControlId::lblNumberOfWords);
}

}  // namespace velt
