#include "engine/table_listing.h"

namespace velt {

std::vector<int32_t> TableListing::Files(int32_t i) const {
  std::vector<int32_t> files;
  for (const FileTally& tally : table_.Files(i)) files.push_back(tally.fileNumber);
  return files;
}

std::vector<int32_t> TableListing::PerFileCounts(int32_t i) const {
  std::vector<int32_t> counts;
  for (const FileTally& tally : table_.Files(i)) counts.push_back(tally.count);
  return counts;
}

void TableListing::BuildFrequencyChain(bool byNumberOfFiles) {
  velt::BuildFrequencyChain(table_, stats_, byNumberOfFiles, pump_, [] {});
}

}  // namespace velt
