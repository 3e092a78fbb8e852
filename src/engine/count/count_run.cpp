#include "engine/count/count_run.h"

#include <filesystem>
#include <new>

#include "phrases/redundant_subphrases.h"
#include "reports/display_format.h"
#include "reports/listing.h"
#include "reports/output_file_checks.h"
#include "reports/report_error.h"
#include "sources/clipboard_source.h"
#include "sources/file_patterns.h"
#include "sources/file_reader.h"
#include "sources/folder_scan.h"
#include "sources/input_checks.h"
#include "text/path_text.h"
#include "text/strings.h"
#include "wordlists/extra_words.h"

namespace velt {
namespace {

bool OutputIsInputFile(const Settings& settings) {
  if (settings.source != Source::SingleFile || !OutputToFileEnabled(settings)) return false;
  const std::filesystem::path input(NativePath(TrimSpaces(settings.filePaths[0])));
  const std::filesystem::path output(NativePath(TrimSpaces(settings.filePaths[1])));
  std::error_code error;
  if (std::filesystem::equivalent(input, output, error)) return true;
  return std::filesystem::absolute(input, error).lexically_normal() ==
         std::filesystem::absolute(output, error).lexically_normal();
}

// The reading pipeline of one run: built when the run starts reading, taken
// down when the reading is over (also when it ends with an exception).
class PipelineScope {
 public:
  PipelineScope(ReadingPipeline& pipeline, const CountParts& parts,
                const PhraseRunParameters& params)
      : pipeline_(pipeline) {
    const Settings& settings = parts.session.settings;
    const bool& stopRequested = parts.session.run.stopRequested;
    pipeline_.ignoreTest = std::make_unique<WordIgnoreTest>(parts.lookups, settings, stopRequested);
    pipeline_.assembler = std::make_unique<PhraseAssembler>(parts.table, params, settings,
                                                            *pipeline_.ignoreTest, stopRequested);
    pipeline_.sink = std::make_unique<CountingSink>(*pipeline_.assembler, params);
  }
  ~PipelineScope() {
    pipeline_.sink.reset();
    pipeline_.assembler.reset();
    pipeline_.ignoreTest.reset();
  }
  PipelineScope(const PipelineScope&) = delete;
  PipelineScope& operator=(const PipelineScope&) = delete;

 private:
  ReadingPipeline& pipeline_;
};

}  // namespace

CountRun::CountRun(CountParts parts, CountObserver& observer)
    : parts_(parts),
      observer_(observer),
      settings_(parts.session.settings),
      run_(parts.session.run) {}

bool CountRun::Run() {
  SetParameters();
  observer_.Started();
  if (OutputFileUsable()) {
    ReadAndProcess();
  } else {
    run_.stopRequested = false;
    observer_.NotStarted();
  }
  ReleaseFilter();
  return reachedListing_;
}

// The parameters are fixed until the run ends; the filter words (trimmed)
// restrict its listing.
void CountRun::SetParameters() {
  const WordListState& lists = parts_.session.wordLists;
  params_.wordsToIgnoreInForce = lists.fileWordCount() > 0 || lists.extraWordCount() > 0;
  params_.minPhraseLength = settings_.MinPhraseLength();
  params_.maxPhraseLength = settings_.MaxPhraseLength();
  params_.minimumFrequency = settings_.MinimumFrequency();
  run_.ignoreModeCodeCounted = params_.SetIgnoreWordsOption(settings_.ignoreMode);
  // A phrase window per length; removing ignored words needs twice as many.
  params_.phraseSlotCount = params_.maxPhraseLength * (params_.removeIgnoredWords ? 2 : 1);

  ReportState& reports = parts_.session.reports;
  settings_.filterWords = TrimSpaces(settings_.filterWords);
  reports.filterActive = !settings_.filterWords.empty();
  reports.filterWordFound = false;
}

bool CountRun::OutputFileUsable() {
  // Compared before the output file is opened: opening it would empty the input.
  if (OutputIsInputFile(settings_)) {
    ShowInputFileMessage(parts_.session.shell, settings_, InputFileStatus::OutputIsInput);
    return false;
  }
  return CheckOutputFileBeforeCount(parts_.reports);
}

void CountRun::ReadAndProcess() {
  ReadWithPipeline();
  observer_.Ended(settings_.source == Source::Folder && !run_.stopRequested);
  run_.stopRequested = false;
}

// A failure while reading or processing is reported; the run then ends as
// any other run.
void CountRun::ReadWithPipeline() {
  const PipelineScope pipeline(parts_.reading, parts_, params_);
  run_.stopRequested = false;
  observer_.RunStarted();
  try {
    CountPhrases();
  } catch (const std::bad_alloc&) {
    ReportError(parts_.reports, 7, u"Out of memory", u"DoIt B");
  } catch (const std::exception& error) {
    ReportError(parts_.reports, 51, FromUtf8(error.what()), u"DoIt B");
  }
}

void CountRun::CountPhrases() {
  ReportState& reports = parts_.session.reports;
  reports.outputFileWritten = false;
  reports.minColumnWidth = 8;
  if (!ChecksPassed()) return;
  PrepareScanning();
  observer_.ReadingStarted();
  if (!ReadSource()) return;
  ProcessPhrases();
}

// The display format, the file patterns and the extra words must suit the run.
bool CountRun::ChecksPassed() {
  if (!CheckDisplayFormatAvailable(parts_.reports)) return false;
  if (settings_.source != Source::Clipboard &&
      !CheckFilePatterns(parts_.session.shell, parts_.session.sources)) {
    return false;
  }
  if (!CheckAllowedExtraChars(parts_.wordLists)) {
    observer_.ExtraWordsRefused();
    return false;
  }
  return true;
}

// The word rules of the settings, and a scanner that reads text (not a words
// file) from its first line.
void CountRun::PrepareScanning() {
  parts_.wordRules.SetAllowedExtraChars1(settings_);
  parts_.wordRules.SetAllowedExtraChars2(settings_);
  run_.readingWordsFile = false;
  run_.listIncomplete = false;
  ScannerState& scanner = parts_.scanner;
  scanner.readingWordsFile = false;
  scanner.entitiesPossible = false;
  parts_.session.reports.textWindowFull = false;
  scanner.totalOccurrences = 0;
}

// False when nothing is to be processed: the source was refused or empty.
bool CountRun::ReadSource() {
  switch (settings_.source) {
    case Source::Folder:
      return ScanFolderFiles(parts_.sources);
    case Source::SingleFile:
      return ReadSingleFile();
    case Source::Clipboard:
      return ReadClipboard();
  }
  return false;
}

bool CountRun::ReadSingleFile() {
  observer_.FileReading(settings_.filePaths[0]);
  const FileReadOutcome outcome = DoItFromFile(parts_.sources);
  observer_.FileRead();
  if (outcome.status == FileReadStatus::Read) return true;
  observer_.FileRefused(outcome);
  return false;
}

bool CountRun::ReadClipboard() {
  observer_.ClipboardReading();
  if (!GetClipboardText(parts_.sources)) {
    observer_.ClipboardEmpty();
    return false;
  }
  return DoItFromClipboard(parts_.sources);
}

// The phrases read are sorted, thinned to the minimum number of occurrences
// and of their redundant subphrases, counted and listed.
void CountRun::ProcessPhrases() {
  SortPhrases();
  if (run_.stopRequested && !ListAfterStop()) return;
  run_.countAvailable = !run_.listIncomplete;
  if (NoFilesFound()) return;
  observer_.Processing(settings_.source == Source::Folder && run_.countAvailable);
  ApplyThreshold(parts_.table, params_);
  if (!ExcludeSubphrases()) return;
  CountAndList();
}

void CountRun::SortPhrases() {
  PhraseTable& table = parts_.table;
  if (table.phraseCount() <= 1 || run_.stopRequested) return;
  if (table.phraseCount() > 1000) observer_.SortingStarted();
  table.SortPhraseTable(1, table.phraseCount(), 1);
}

// After a stop during the reading, the phrases found so far (if any) are
// listed when the user wants them; the list is then incomplete.
bool CountRun::ListAfterStop() {
  run_.stopRequested = false;
  observer_.Stopped();
  if (parts_.table.phraseCount() == 0 || !observer_.AskListIncomplete()) {
    observer_.Abandoned();
    return false;
  }
  run_.listIncomplete = true;
  return true;
}

bool CountRun::NoFilesFound() {
  if (settings_.source != Source::Folder || parts_.session.sources.fileCount != 0) return false;
  observer_.NoFilesFound();
  return true;
}

// False when the user stopped the exclusion.
bool CountRun::ExcludeSubphrases() {
  observer_.ExcludingSubphrases();
  run_.excludingSubphrases = true;
  ExcludeRedundantSubphrases(parts_.table, run_.stopRequested, parts_.session.pump);
  run_.excludingSubphrases = false;
  if (!run_.stopRequested) return true;
  observer_.SubphrasesStopped();
  run_.stopRequested = false;
  return false;
}

void CountRun::CountAndList() {
  ListStatistics& stats = parts_.stats;
  EventPump& pump = parts_.session.pump;
  stats = ComputeListStatistics(parts_.table, pump);
  observer_.FrequencyChainStarted();
  BuildFrequencyChain(parts_.table, stats, settings_.sortByNumberOfFiles, pump,
                      [this] { observer_.FrequencyChainProgress(); });
  observer_.Counted(stats);
  run_.countDone = true;
  SetHowManyPhrases(parts_.reports, Summary());
  reachedListing_ = true;
  if (stats.includedPhraseCount > 0) ListWords(parts_.reports, parts_.listing);
  observer_.Listed();
}

PhraseSummary CountRun::Summary() const {
  PhraseSummary summary;
  summary.includedPhraseCount = parts_.stats.includedPhraseCount;
  summary.minPhraseLength = params_.minPhraseLength;
  summary.maxPhraseLength = params_.maxPhraseLength;
  summary.minimumFrequency = params_.minimumFrequency;
  summary.wordsInLongestPhrase = parts_.stats.wordsInLongestPhrase;
  summary.wordsToIgnoreInForce = params_.wordsToIgnoreInForce;
  summary.removeIgnoredWords = params_.removeIgnoredWords;
  summary.excludePhrasesWithIgnoredWord = params_.excludePhrasesWithIgnoredWord;
  summary.excludePhrasesOfIgnoredWordsOnly = params_.excludePhrasesOfIgnoredWordsOnly;
  return summary;
}

// The filter words served this run only; those left in the box are kept for
// the next relist, normalised.
void CountRun::ReleaseFilter() {
  ReportState& reports = parts_.session.reports;
  reports.filterActive = false;
  settings_.filterWords = TrimSpaces(settings_.filterWords);
  const bool filterWordsKept = !settings_.filterWords.empty();
  if (!filterWordsKept) reports.filterWordCount = 0;
  run_.cancelRequested = false;
  observer_.Finished(filterWordsKept);
}

}  // namespace velt
