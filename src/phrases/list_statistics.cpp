#include "phrases/list_statistics.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace velt {

void ApplyThreshold(PhraseTable& table, PhraseRunParameters& params) {
  params.appliedThreshold = params.minimumFrequency;
  const int threshold = params.appliedThreshold;
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    table.SetIncluded(i, threshold == 1 || table.Count(i) >= threshold);
  }
}

ListStatistics ComputeListStatistics(const PhraseTable& table, EventPump& pump) {
  ListStatistics stats;
  int64_t occurrences = 0;
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    pump.Yield();
    if (!table.Included(i)) {
      ++stats.excludedPhraseCount;
      continue;
    }
    ++stats.includedPhraseCount;
    const int32_t count = table.Count(i);
    occurrences += count;
    if (count > stats.maxFrequency) {
      stats.maxFrequency = count;
      stats.topPhrase = table.Phrase(i);
    }
    const int32_t files = table.FileCount(i);
    if (files > stats.maxFileCount) {
      stats.maxFileCount = files;
      stats.topPhrase = table.Phrase(i);
    }
    stats.longestPhraseLength = std::max(stats.longestPhraseLength, table.PhraseLength(i));
    stats.wordsInLongestPhrase = std::max(stats.wordsInLongestPhrase, table.NumWords(i));
  }
  // A 32-bit counter: a sum past its range stays at the largest value.
  stats.occurrenceCount =
      static_cast<int32_t>(std::min<int64_t>(occurrences, std::numeric_limits<int32_t>::max()));
  return stats;
}

namespace {

// Included records with a value from 1 to maxValue, by value descending and in
// table order within a value: a counting sort, linear in records plus values.
std::vector<int32_t> ChainOrder(const PhraseTable& table, bool byNumberOfFiles, int32_t maxValue,
                                EventPump& pump) {
  const auto valueOf = [&](int32_t i) {
    return byNumberOfFiles ? table.FileCount(i) : table.Count(i);
  };
  std::vector<int32_t> ranked;
  if (maxValue < 1) return ranked;
  std::vector<int32_t> start(static_cast<size_t>(maxValue) + 2, 0);
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    const int32_t value = valueOf(i);
    if (table.Included(i) && value >= 1 && value <= maxValue) ++start[maxValue - value + 1];
  }
  for (size_t k = 1; k < start.size(); ++k)
    start[k] += start[k - 1];
  ranked.resize(static_cast<size_t>(start.back()));
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    const int32_t value = valueOf(i);
    if (table.Included(i) && value >= 1 && value <= maxValue) ranked[start[maxValue - value]++] = i;
  }
  for (int32_t v = maxValue; v >= 1; --v)
    pump.Yield();
  return ranked;
}

}  // namespace

void BuildFrequencyChain(PhraseTable& table, const ListStatistics& stats, bool byNumberOfFiles,
                         EventPump& pump, const std::function<void()>& appendDot) {
  for (int32_t i = 1; i <= table.phraseCount(); ++i)
    table.SetChainLink(i, 0, 0);
  const int32_t maxValue = byNumberOfFiles ? stats.maxFileCount : stats.maxFrequency;
  const std::vector<int32_t> ranked = ChainOrder(table, byNumberOfFiles, maxValue, pump);
  table.SetFirstFreq(ranked.empty() ? 0 : ranked.front());
  const auto numRanked = static_cast<int32_t>(ranked.size());
  for (int32_t r = 0; r < numRanked; ++r)
    table.SetChainLink(ranked[r], r + 1, 0);
  if (ranked.empty()) return;
  // Links follow the ranks; the chain ends after includedPhraseCount links (a
  // count without statistics links every ranked record).
  const int32_t links = stats.includedPhraseCount > 0 ? stats.includedPhraseCount : numRanked;
  for (int32_t k = 1; k <= links; ++k) {
    if (k < numRanked) table.SetChainLink(ranked[k - 1], k, ranked[k]);
    if ((k + 1) % 1000 == 0 && appendDot) appendDot();
    pump.Yield();
  }
}

}  // namespace velt
