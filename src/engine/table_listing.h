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

  int32_t lngNumWords() const override { return table_.lngNumWords(); }
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

  int32_t lngFirstFreq() const override { return table_.lngFirstFreq(); }
  int32_t lngNumWordsIncluded() const override { return stats_.lngNumWordsIncluded; }
  int32_t lngNumOccurrences() const override { return stats_.lngNumOccurrences; }
  int32_t lngMaxFrequency() const override { return stats_.lngMaxFrequency; }
  int32_t lngMaxNumFiles() const override { return stats_.lngMaxNumFiles; }
  int intMaxWordLengthFound() const override { return stats_.intMaxWordLengthFound; }
  int intNumWordsInLongestPhrase() const override { return stats_.intNumWordsInLongestPhrase; }

  void BuildFrequencyChain(bool byNumberOfFiles) override;

  const std::vector<Text>& astrFilesRead() const override {
    return table_.filesRead().astrFilesRead();
  }

 private:
  PhraseTable& table_;
  const ListStatistics& stats_;
  EventPump& pump_;
};

}  // namespace velt
