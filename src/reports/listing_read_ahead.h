// The records one listing visits, read ahead in blocks.
//
// A listing visits the included records along the frequency chain or in table
// order, once into the output file and once more into the text window. Read
// one at a time, every record costs several cache misses in a large table
// (its rank, count, chain link and the parent chain of its phrase), and the
// second pass would pay them all again. The read-ahead works out the visit order
// and reads rank, count and phrase of a block of upcoming records at once
// (ListedPhrases::ReadRecords), and keeps the blocks for the next pass up to
// a memory budget; blocks past the budget are read again when a pass reaches
// them. Measured with velt-batch on a 4.4 MB text, lengths 2 to 25, 157,444
// phrases listed into file and window: the listing took about 13% of the
// processor time before, 4% with the read-ahead.
//
// It stands in for the listed phrases during the passes: Phrase, Rank, Count
// and (along the chain) Next of the record being visited come from its block,
// everything else from the phrases. It lives for one listing: the table does
// not change under a running listing (option clicks are held back until it
// has ended), and a new count or relist makes a new read-ahead. A chain
// rebuild through it forgets everything read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "reports/listed_phrases.h"

namespace velt {

class ListingReadAhead final : public ListedPhrases {
 public:
  enum class VisitOrder { FrequencyChain, Table };

  // Records per block.
  static constexpr size_t kBlockSize = 1024;

  // Blocks kept for the next pass take at most keptBytes (0: none kept).
  ListingReadAhead(ListedPhrases& phrases, VisitOrder order, size_t keptBytes)
      : phrases_(phrases), order_(order), keptBytes_(keptBytes) {}

  // A pass starts: the next record visited is the first.
  void Rewind();
  // The pass visits record i. When i is not the record that comes next in
  // the visit order, the rest of the pass reads everything from the phrases.
  void Visit(int32_t i);

  // The memory the kept blocks hold.
  size_t KeptBytes() const { return keptSoFar_; }
  // Blocks read from the phrases so far.
  size_t BlocksRead() const { return blocksRead_; }

  int32_t phraseCount() const override { return phrases_.phraseCount(); }
  bool Included(int32_t i) const override { return phrases_.Included(i); }
  Text Phrase(int32_t i) const override;
  int32_t Count(int32_t i) const override;
  int32_t Rank(int32_t i) const override;
  int32_t Next(int32_t i) const override;
  int32_t FileCount(int32_t i) const override { return phrases_.FileCount(i); }
  std::vector<int32_t> Files(int32_t i) const override { return phrases_.Files(i); }
  std::vector<int32_t> PerFileCounts(int32_t i) const override { return phrases_.PerFileCounts(i); }
  void SetRelativeValue(int32_t i, float value) override { phrases_.SetRelativeValue(i, value); }

  int32_t firstInFrequencyOrder() const override { return phrases_.firstInFrequencyOrder(); }
  int32_t includedPhraseCount() const override { return phrases_.includedPhraseCount(); }
  int32_t occurrenceCount() const override { return phrases_.occurrenceCount(); }
  int32_t maxFrequency() const override { return phrases_.maxFrequency(); }
  int32_t maxFileCount() const override { return phrases_.maxFileCount(); }
  int longestPhraseLength() const override { return phrases_.longestPhraseLength(); }
  int wordsInLongestPhrase() const override { return phrases_.wordsInLongestPhrase(); }

  void BuildFrequencyChain(bool byNumberOfFiles) override;

  const std::vector<Text>& readPaths() const override { return phrases_.readPaths(); }

 private:
  // Extends the visit order to at least `size` records; false when it has
  // fewer.
  bool ExtendVisitOrder(size_t size);
  // The record after the last one of the visit order so far, 0 at its end.
  int32_t FollowingRecord();
  const RecordBatch& BlockOf(size_t position);
  // True when i is the record being visited.
  bool IsVisited(int32_t i) const { return visited_ != nullptr && visitOrder_[position_] == i; }
  size_t Offset() const { return position_ % kBlockSize; }
  void Forget();

  ListedPhrases& phrases_;
  const VisitOrder order_;
  const size_t keptBytes_;

  std::vector<int32_t> visitOrder_;  // as far as worked out
  bool visitOrderEnded_ = false;
  int32_t scanFrom_ = 1;  // table order: where the search for included records resumes

  std::vector<RecordBatch> kept_;  // blocks 0 to kept_.size() - 1
  size_t keptSoFar_ = 0;
  RecordBatch passing_;  // one block past the kept ones
  size_t passingBlock_ = SIZE_MAX;
  size_t blocksRead_ = 0;

  bool started_ = false;                  // the pass has visited a record
  bool following_ = true;                 // the pass has visited the records in visit order
  size_t position_ = 0;                   // in visitOrder_ of the record being visited
  const RecordBatch* visited_ = nullptr;  // its block, null when not from a block
};

}  // namespace velt
