// What a listing reads of the counted phrases: the phrase table in table order
// (records 1 to phraseCount), the frequency chain, the statistics of the count
// and the file list of a folder run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "text/text.h"

namespace velt {

// The rank, count and phrase of several records, read together.
struct RecordBatch {
  std::vector<int32_t> ranks;
  std::vector<int32_t> counts;
  Text chars;                // the phrases one after another
  std::vector<size_t> ends;  // where each phrase ends in chars

  size_t size() const { return ends.size(); }
  TextView Phrase(size_t k) const {
    const size_t start = k == 0 ? 0 : ends[k - 1];
    return TextView(chars).substr(start, ends[k] - start);
  }
  // The memory the batch holds.
  size_t Bytes() const {
    return chars.capacity() * sizeof(char16_t) +
           (ranks.capacity() + counts.capacity()) * sizeof(int32_t) +
           ends.capacity() * sizeof(size_t);
  }
};

class ListedPhrases {
 public:
  virtual ~ListedPhrases() = default;

  virtual int32_t phraseCount() const = 0;
  virtual bool Included(int32_t i) const = 0;
  virtual Text Phrase(int32_t i) const = 0;
  virtual int32_t Count(int32_t i) const = 0;
  virtual int32_t Rank(int32_t i) const = 0;
  virtual int32_t Next(int32_t i) const = 0;  // next record of the chain, 0 at its end
  virtual int32_t FileCount(int32_t i) const = 0;
  // File numbers (in order of first occurrence) and the occurrences in each.
  virtual std::vector<int32_t> Files(int32_t i) const = 0;
  virtual std::vector<int32_t> PerFileCounts(int32_t i) const = 0;
  // The relative value the files column computes for display.
  virtual void SetRelativeValue(int32_t i, float value) = 0;
  // Appends Rank, Count and Phrase of records indices to batch. A large table
  // overrides it to read many records faster than one by one.
  virtual void ReadRecords(std::span<const int32_t> indices, RecordBatch& batch) const {
    for (const int32_t i : indices) {
      batch.ranks.push_back(Rank(i));
      batch.counts.push_back(Count(i));
      batch.chars.append(Phrase(i));
      batch.ends.push_back(batch.chars.size());
    }
  }

  virtual int32_t firstInFrequencyOrder() const = 0;
  virtual int32_t includedPhraseCount() const = 0;
  virtual int32_t occurrenceCount() const = 0;
  virtual int32_t maxFrequency() const = 0;
  virtual int32_t maxFileCount() const = 0;
  virtual int longestPhraseLength() const = 0;
  virtual int wordsInLongestPhrase() const = 0;

  // Relinks the chain by file count (true) or by count (false).
  virtual void BuildFrequencyChain(bool byNumberOfFiles) = 0;

  // Paths of the files read in the last folder run, index = file number (entry 0
  // unused).
  virtual const std::vector<Text>& readPaths() const = 0;
};

}  // namespace velt
