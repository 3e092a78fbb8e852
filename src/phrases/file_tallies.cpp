#include "phrases/file_tallies.h"

#include <algorithm>

namespace velt {

void FileTallies::Clear() {
  std::vector<uint32_t>().swap(newest_);
  std::vector<int32_t>().swap(fileCount_);
  std::vector<Entry>().swap(pool_);
}

void FileTallies::Reserve(uint32_t node) {
  if (node < newest_.size()) return;
  const size_t size = std::max<size_t>(node + 1, 2 * newest_.size());
  newest_.resize(size, 0);
  fileCount_.resize(size, 0);
}

void FileTallies::Start(uint32_t node, int32_t currentFileNumber) {
  Reserve(node);
  pool_.push_back({{currentFileNumber % kFileNumberModulus, 1}, 0});
  newest_[node] = static_cast<uint32_t>(pool_.size());
  fileCount_[node] = 1;
}

void FileTallies::RecordFileOccurrence(uint32_t node, int32_t currentFileNumber) {
  Reserve(node);
  if (fileCount_[node] == kMaxFilesPerPhrase) return;
  const int32_t file = currentFileNumber % kFileNumberModulus;
  if (newest_[node] == 0 || pool_[newest_[node] - 1].tally.fileNumber != file) {
    pool_.push_back({{file, 0}, newest_[node]});
    newest_[node] = static_cast<uint32_t>(pool_.size());
    ++fileCount_[node];
  }
  FileTally& newest = pool_[newest_[node] - 1].tally;
  if (newest.count < kMaxPerFileCount) ++newest.count;
}

int32_t FileTallies::FileCount(uint32_t node) const {
  return node < fileCount_.size() ? fileCount_[node] : 0;
}

std::vector<FileTally> FileTallies::Files(uint32_t node) const {
  std::vector<FileTally> files;
  if (node >= newest_.size()) return files;
  for (uint32_t entry = newest_[node]; entry != 0; entry = pool_[entry - 1].older) {
    files.push_back(pool_[entry - 1].tally);
  }
  std::reverse(files.begin(), files.end());
  return files;
}

}  // namespace velt
