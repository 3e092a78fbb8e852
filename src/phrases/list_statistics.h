// The run steps after counting that set and summarise which records are
// listed: the minimum-occurrence threshold, the statistics and the frequency
// chain.
#pragma once

#include <cstdint>
#include <functional>

#include "phrases/phrase_table.h"
#include "phrases/run_parameters.h"
#include "platform/event_pump.h"
#include "text/text.h"

namespace velt {

struct ListStatistics {
  int32_t includedPhraseCount = 0;
  int32_t excludedPhraseCount = 0;
  int32_t occurrenceCount = 0;  // sum of the counts of included records
  int32_t maxFrequency = 0;
  int32_t maxFileCount = 0;
  int longestPhraseLength = 0;   // characters of the longest included phrase
  int wordsInLongestPhrase = 0;  // words of the included phrase with most words
  Text topPhrase;                // the phrase that last raised either maximum
};

// Copies minimumFrequency to appliedThreshold and includes exactly
// the records counted at least that often (all of them for 1).
void ApplyThreshold(PhraseTable& table, PhraseRunParameters& params);

ListStatistics ComputeListStatistics(const PhraseTable& table, EventPump& pump);

// Links the included records into the frequency chain: ranks 1, 2, ... by
// count (or by file count when byNumberOfFiles), higher first, equal values in
// table order; next holds the index of the following record and firstInFrequencyOrder
// the first. appendDot is called once per 1,000 links.
void BuildFrequencyChain(PhraseTable& table, const ListStatistics& stats, bool byNumberOfFiles,
                         EventPump& pump, const std::function<void()>& appendDot);

}  // namespace velt
