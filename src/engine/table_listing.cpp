#include "engine/table_listing.h"

namespace velt {

std::vector<int32_t> TableListing::Files(int32_t i) const {
  std::vector<int32_t> files;
  for (const FileTally& tally : table_.Files(i))
    files.push_back(tally.fileNumber);
  return files;
}

std::vector<int32_t> TableListing::PerFileCounts(int32_t i) const {
  std::vector<int32_t> counts;
  for (const FileTally& tally : table_.Files(i))
    counts.push_back(tally.count);
  return counts;
}

void TableListing::ReadRecords(std::span<const int32_t> indices, RecordBatch& batch) const {
  // Tight loops of independent reads, so the processor overlaps their misses.
  for (const int32_t i : indices)
    batch.ranks.push_back(table_.Rank(i));
  for (const int32_t i : indices)
    batch.counts.push_back(table_.Count(i));
  table_.AppendPhrases(indices, batch.chars, batch.ends);
}

void TableListing::BuildFrequencyChain(bool byNumberOfFiles) {
  velt::BuildFrequencyChain(table_, stats_, byNumberOfFiles, pump_, [] {});
}

}  // namespace velt
