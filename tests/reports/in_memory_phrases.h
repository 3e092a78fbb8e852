// An in-memory phrase table behind the ListedPhrases interface: rows in table
// order, a frequency chain built by a stable sort, and the statistics a count
// leaves behind.
#pragma once

#include <algorithm>
#include <numeric>
#include <vector>

#include "reports/listed_phrases.h"

namespace velt::testing {

struct PhraseRow {
  Text phrase;
  int32_t count = 1;
  std::vector<int32_t> files = {};
  std::vector<int32_t> perFileCounts = {};
  bool included = true;
};

class InMemoryPhrases final : public ListedPhrases {
 public:
  explicit InMemoryPhrases(std::vector<PhraseRow> rows, std::vector<Text> filesRead = {Text()})
      : rows_(std::move(rows)), filesRead_(std::move(filesRead)) {
    ranks_.assign(rows_.size() + 1, 0);
    next_.assign(rows_.size() + 1, 0);
    relativeValues.assign(rows_.size() + 1, -1);
    for (const PhraseRow& row : rows_) {
      maxWordLength_ = std::max(maxWordLength_, static_cast<int>(row.phrase.size()));
      if (!row.included) continue;
      ++numIncluded_;
      occurrences_ += row.count;
      maxFrequency_ = std::max(maxFrequency_, row.count);
      const int words =
          static_cast<int>(std::count(row.phrase.begin(), row.phrase.end(), u' ')) + 1;
      wordsInLongest_ = std::max(wordsInLongest_, words);
    }
    BuildFrequencyChain(false);
  }

  int32_t phraseCount() const override { return static_cast<int32_t>(rows_.size()); }
  bool Included(int32_t i) const override { return Row(i).included; }
  Text Phrase(int32_t i) const override { return Row(i).phrase; }
  int32_t Count(int32_t i) const override { return Row(i).count; }
  int32_t Rank(int32_t i) const override { return ranks_[static_cast<size_t>(i)]; }
  int32_t Next(int32_t i) const override { return next_[static_cast<size_t>(i)]; }
  int32_t FileCount(int32_t i) const override { return static_cast<int32_t>(Row(i).files.size()); }
  std::vector<int32_t> Files(int32_t i) const override { return Row(i).files; }
  std::vector<int32_t> PerFileCounts(int32_t i) const override { return Row(i).perFileCounts; }
  void SetRelativeValue(int32_t i, float value) override {
    relativeValues[static_cast<size_t>(i)] = value;
  }
  int32_t firstInFrequencyOrder() const override { return firstFreq_; }
  int32_t includedPhraseCount() const override { return numIncluded_; }
  int32_t occurrenceCount() const override { return occurrences_; }
  int32_t maxFrequency() const override { return maxFrequency_; }
  int32_t maxFileCount() const override { return 0; }
  int longestPhraseLength() const override { return maxWordLength_; }
  int wordsInLongestPhrase() const override { return wordsInLongest_; }
  const std::vector<Text>& readPaths() const override { return filesRead_; }

  void BuildFrequencyChain(bool byNumberOfFiles) override {
    ++chainBuilds;
    std::vector<int32_t> order;
    for (int32_t i = 1; i <= phraseCount(); ++i) {
      if (Included(i)) order.push_back(i);
    }
    const auto key = [&](int32_t i) { return byNumberOfFiles ? FileCount(i) : Count(i); };
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t a, int32_t b) { return key(a) > key(b); });
    firstFreq_ = order.empty() ? 0 : order.front();
    for (size_t k = 0; k < order.size(); ++k) {
      ranks_[static_cast<size_t>(order[k])] = static_cast<int32_t>(k + 1);
      next_[static_cast<size_t>(order[k])] = k + 1 < order.size() ? order[k + 1] : 0;
    }
  }

  std::vector<float> relativeValues;  // as SetRelativeValue stored them, -1 when never
  int chainBuilds = 0;

 private:
  const PhraseRow& Row(int32_t i) const { return rows_[static_cast<size_t>(i - 1)]; }

  std::vector<PhraseRow> rows_;
  std::vector<Text> filesRead_;
  std::vector<int32_t> ranks_;
  std::vector<int32_t> next_;
  int32_t firstFreq_ = 0;
  int32_t numIncluded_ = 0;
  int32_t occurrences_ = 0;
  int32_t maxFrequency_ = 0;
  int maxWordLength_ = 0;
  int wordsInLongest_ = 0;
};

}  // namespace velt::testing
