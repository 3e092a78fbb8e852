// The phrase table and the statistics of the last count, as the listing reads
// them.
#pragma once

#include "phrases/list_statistics.h"
#include "phrases/phrase_table.h"
#include "reports/listed_phrases.h"

namespace velt {

class TableListing final : public ListedPhrases {
 public:
  TableListing(PhraseTable& table, const ListStatistics& stats, EventPump& pump)
      : table_(table), stats_(stats), pump_(pump) {}

  int32_t phraseCount() const override { return table_.phraseCount(); }
  bool Included(int32_t i) const override { return table_.Included(i); }
  Text Phrase(int32_t i) const override { return table_.Phrase(i); }
  int32_t Count(int32_t i) const override { return table_.Count(i); }
  int32_t Rank(int32_t i) const override { return table_.Rank(i); }
  int32_t Next(int32_t i) const override { return table_.Next(i); }
  int32_t FileCount(int32_t i) const override { return table_.FileCount(i); }
  std::vector<int32_t> Files(int32_t i) const override;
  std::vector<int32_t> PerFileCounts(int32_t i) const override;
  void SetRelativeValue(int32_t i, float value) override { table_.SetRelativeValue(i, value); }
  void ReadRecords(std::span<const int32_t> indices, RecordBatch& batch) const override;

  int32_t firstInFrequencyOrder() const override { return table_.firstInFrequencyOrder(); }
  int32_t includedPhraseCount() const override { return stats_.includedPhraseCount; }
  int32_t occurrenceCount() const override { return stats_.occurrenceCount; }
  int32_t maxFrequency() const override { return stats_.maxFrequency; }
  int32_t maxFileCount() const override { return stats_.maxFileCount; }
  int longestPhraseLength() const override { return stats_.longestPhraseLength; }
  int wordsInLongestPhrase() const override { return stats_.wordsInLongestPhrase; }

  void BuildFrequencyChain(bool byNumberOfFiles) override;

  const std::vector<Text>& readPaths() const override { return table_.filesRead().readPaths(); }

 private:
  PhraseTable& table_;
  const ListStatistics& stats_;
  EventPump& pump_;
};

}  // namespace velt
