// The sentences that open a report: the summary of a count, the no-phrases
// message and the files-scanned notice of a folder run.
#pragma once

#include <cstdint>

#include "reports/report_context.h"

namespace velt {

// What the summary sentence says about a count. The counting run fills it
// from its run parameters and the finished phrase table.
struct PhraseSummary {
  int32_t includedPhraseCount = 0;
  int minPhraseLength = 2;
  int maxPhraseLength = 2;
  int minimumFrequency = 1;
  int wordsInLongestPhrase = 0;
  bool wordsToIgnoreInForce = false;
  bool removeIgnoredWords = false;
  bool excludePhrasesWithIgnoredWord = false;
  bool excludePhrasesOfIgnoredWordsOnly = false;
};

// The summary sentence, every line ended by CR LF.
Text HowManyPhrasesText(const PhraseSummary& summary);

// With phrases found, keeps the summary in summarySentence for the report
// header; with none, shows it as the whole text window and empties the
// phrase-count label.
void SetHowManyPhrases(ReportContext& context, const PhraseSummary& summary);

// Appends "No phrases ... satisfying the specified conditions were found."
void ReportNoPhrases(const Settings& settings, TextSink& sink);

// Puts "N files (in M folders) were scanned." (and the incomplete-list note)
// into pendingOutput.
void SetFilesScannedNotice(ReportContext& context);

// "17 files in 3 folders".
Text FilesInFoldersText(int32_t files, int32_t folders);

}  // namespace velt
