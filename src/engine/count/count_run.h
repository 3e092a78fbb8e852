// The counting run, top to bottom: the run parameters, the checks, reading the
// source, the sort, the threshold, the redundant subphrases, the statistics,
// the frequency chain, the counters, the summary and the listing. What the
// window shows of it goes to a CountObserver.
#pragma once

#include "engine/count/count_observer.h"
#include "engine/count/reading_pipeline.h"
#include "engine/session.h"
#include "engine/table_listing.h"
#include "phrases/list_statistics.h"
#include "phrases/phrase_table.h"
#include "phrases/run_parameters.h"
#include "reports/report_context.h"
#include "reports/summary.h"
#include "sources/source_hooks.h"
#include "wordlists/ignore_lookup.h"
#include "wordlists/word_list_context.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"

namespace velt {

// The engine's parts a count works with.
struct CountParts {
  Session& session;
  SourceContext& sources;
  ReportContext& reports;
  WordListContext& wordLists;
  WordRules& wordRules;
  ScannerState& scanner;
  const WordListLookups& lookups;
  PhraseTable& table;
  ListStatistics& stats;
  TableListing& listing;
  ReadingPipeline& reading;
};

class CountRun {
 public:
  CountRun(CountParts parts, CountObserver& observer);
  CountRun(const CountRun&) = delete;
  CountRun& operator=(const CountRun&) = delete;

  // Runs the count; true when it reached its listing (also "no phrases").
  bool Run();

 private:
  void SetParameters();
  bool OutputFileUsable();
  void ReadAndProcess();
  void ReadWithPipeline();
  void CountPhrases();
  bool ChecksPassed();
  void PrepareScanning();
  bool ReadSource();
  bool ReadSingleFile();
  bool ReadClipboard();
  void ProcessPhrases();
  void SortPhrases();
  bool ListAfterStop();
  bool NoFilesFound();
  bool ExcludeSubphrases();
  void CountAndList();
  PhraseSummary Summary() const;
  void ReleaseFilter();

  CountParts parts_;
  CountObserver& observer_;
  Settings& settings_;
  RunState& run_;
  PhraseRunParameters params_;
  bool reachedListing_ = false;
};

}  // namespace velt
