// Per-phrase file data of a folder run: the files in which the phrase occurs,
// in order of first occurrence, and its occurrences in each.
#pragma once

#include <cstdint>
#include <vector>

namespace velt {

// Limits of the per-file data: file numbers are kept modulo 100,000, a phrase
// records at most 10,000 files, a per-file count stops at 99,999.
inline constexpr int32_t kFileNumberModulus = 100000;
inline constexpr int32_t kMaxFilesPerPhrase = 10000;
inline constexpr int32_t kMaxPerFileCount = 99999;

struct FileTally {
  int32_t fileNumber = 0;  // modulo 100,000
  int32_t count = 0;

  bool operator==(const FileTally&) const = default;
};

// Tallies by trie node. Each node's entries form a list, newest first, in one
// shared pool: most phrases have one entry and the pool has no per-phrase
// allocation.
class FileTallies {
 public:
  void Clear();

  // A new phrase counted in file currentFileNumber: one entry with count 1.
  void Start(uint32_t node, int32_t currentFileNumber);

  // RecordFileOccurrence: one more occurrence in file currentFileNumber. A phrase
  // with 10,000 files takes no more; a per-file count stops at 99,999.
  void RecordFileOccurrence(uint32_t node, int32_t currentFileNumber);

  int32_t FileCount(uint32_t node) const;
  std::vector<FileTally> Files(uint32_t node) const;

 private:
  struct Entry {
    FileTally tally;
    uint32_t older = 0;  // index + 1 of the previous entry, 0 at the first
  };
  void Reserve(uint32_t node);

  std::vector<uint32_t> newest_;  // per node: index + 1 of its newest entry
  std::vector<int32_t> fileCount_;
  std::vector<Entry> pool_;
};

}  // namespace velt
