#include "reports/listing_read_ahead.h"

#include <algorithm>
#include <span>
#include <utility>

namespace velt {

void ListingReadAhead::Rewind() {
  started_ = false;
  following_ = true;
  position_ = 0;
  visited_ = nullptr;
}

void ListingReadAhead::Visit(int32_t i) {
  const size_t position = started_ ? position_ + 1 : 0;
  started_ = true;
  visited_ = nullptr;
  if (!following_ || !ExtendVisitOrder(position + 1) || visitOrder_[position] != i) {
    following_ = false;
    return;
  }
  position_ = position;
  visited_ = &BlockOf(position);
}

Text ListingReadAhead::Phrase(int32_t i) const {
  if (!IsVisited(i)) return phrases_.Phrase(i);
  return Text(visited_->Phrase(Offset()));
}

int32_t ListingReadAhead::Count(int32_t i) const {
  return IsVisited(i) ? visited_->counts[Offset()] : phrases_.Count(i);
}

int32_t ListingReadAhead::Rank(int32_t i) const {
  return IsVisited(i) ? visited_->ranks[Offset()] : phrases_.Rank(i);
}

// Along the chain the visit order is the chain itself.
int32_t ListingReadAhead::Next(int32_t i) const {
  if (order_ == VisitOrder::FrequencyChain && IsVisited(i) && position_ + 1 < visitOrder_.size()) {
    return visitOrder_[position_ + 1];
  }
  return phrases_.Next(i);
}

void ListingReadAhead::BuildFrequencyChain(bool byNumberOfFiles) {
  Forget();
  phrases_.BuildFrequencyChain(byNumberOfFiles);
}

void ListingReadAhead::Forget() {
  std::vector<int32_t>().swap(visitOrder_);
  visitOrderEnded_ = false;
  scanFrom_ = 1;
  std::vector<RecordBatch>().swap(kept_);
  keptSoFar_ = 0;
  passing_ = RecordBatch();
  passingBlock_ = SIZE_MAX;
  following_ = false;
  visited_ = nullptr;
}

bool ListingReadAhead::ExtendVisitOrder(size_t size) {
  while (visitOrder_.size() < size && !visitOrderEnded_) {
    const int32_t i = FollowingRecord();
    if (i == 0) {
      visitOrderEnded_ = true;
    } else {
      visitOrder_.push_back(i);
    }
  }
  return visitOrder_.size() >= size;
}

// The same records, under the same limits, as the traversals visit.
int32_t ListingReadAhead::FollowingRecord() {
  const int32_t last = phrases_.phraseCount();
  if (order_ == VisitOrder::Table) {
    for (; scanFrom_ <= last; ++scanFrom_) {
      if (phrases_.Included(scanFrom_)) return scanFrom_++;
    }
    return 0;
  }
  if (visitOrder_.size() >= static_cast<size_t>(std::max(phrases_.includedPhraseCount(), 0))) {
    return 0;
  }
  const int32_t i =
      visitOrder_.empty() ? phrases_.firstInFrequencyOrder() : phrases_.Next(visitOrder_.back());
  return i >= 1 && i <= last ? i : 0;
}

const RecordBatch& ListingReadAhead::BlockOf(size_t position) {
  const size_t block = position / kBlockSize;
  if (block < kept_.size()) return kept_[block];
  if (block == passingBlock_) return passing_;
  const size_t first = block * kBlockSize;
  ExtendVisitOrder(first + kBlockSize);
  const size_t end = std::min(visitOrder_.size(), first + kBlockSize);
  RecordBatch batch;
  batch.ranks.reserve(end - first);
  batch.counts.reserve(end - first);
  batch.ends.reserve(end - first);
  phrases_.ReadRecords(std::span<const int32_t>(visitOrder_).subspan(first, end - first), batch);
  ++blocksRead_;
  // Kept blocks run from the first without a gap.
  if (block == kept_.size() && keptSoFar_ + batch.Bytes() <= keptBytes_) {
    keptSoFar_ += batch.Bytes();
    kept_.push_back(std::move(batch));
    return kept_.back();
  }
  passing_ = std::move(batch);
  passingBlock_ = block;
  return passing_;
}

}  // namespace velt
