// The program's two classic procedures on 1-based sorted sequences: the binary
// search that finds an item or its insertion place, and the partition sort whose
// treatment of equal items decides the order of records with equal keys.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace velt {

// Result of a binary search: found at index, or not found with the negative of
// the 1-based index at which the item would have to be inserted (-1 before the
// first item, -(n + 1) after the last).
struct FindResult {
  bool found = false;
  int32_t index = -1;
};

// Searches items 1..n. compareAt(m) compares the sought item with item m:
// negative when the sought item sorts before it, positive after, 0 when equal.
template <class CompareAt>
FindResult SearchSorted(int32_t n, CompareAt compareAt) {
  if (n == 0 || compareAt(1) < 0) return {false, -1};
  if (compareAt(n) > 0) return {false, -(n + 1)};
  if (n == 1) return {true, 1};
  int32_t low = 1;
  int32_t high = n;
  int32_t m = n / 2;
  for (;;) {
    const int order = compareAt(m);
    if (order == 0) return {true, m};
    if (order < 0) {
      if (m == low) return {false, -low};
      high = m - 1;
      m = m - (m - low + 1) / 2;
    } else {
      if (m == high) return {false, -(high + 1)};
      low = m + 1;
      m = m + (high - m + 1) / 2;
    }
  }
}

// Sorts positions lo..hi of a sequence with the partition procedure: the pivot
// is the key at lo + (hi - lo) / 2; i climbs while its key sorts before the
// pivot, j descends while the pivot sorts before its key, and i and j swap when
// i < j. keyAt(k) returns the key at position k (the pivot is copied into a
// Key), before(a, b) tells whether a sorts before b, swapAt(i, j) exchanges two
// positions. The two halves are independent, so a stack replaces the recursion
// (the smaller half first keeps it shallow) without changing the result.
template <class Key, class KeyAt, class Before, class SwapAt>
void PartitionSort(int64_t lo, int64_t hi, KeyAt keyAt, Before before, SwapAt swapAt) {
  std::vector<std::pair<int64_t, int64_t>> pending;
  pending.emplace_back(lo, hi);
  while (!pending.empty()) {
    const auto [first, last] = pending.back();
    pending.pop_back();
    if (first >= last) continue;
    const Key pivot(keyAt(first + (last - first) / 2));
    int64_t i = first;
    int64_t j = last;
    while (i <= j) {
      while (i < last && before(keyAt(i), pivot))
        ++i;
      while (j > first && before(pivot, keyAt(j)))
        --j;
      if (i <= j) {
        if (i < j) swapAt(i, j);
        ++i;
        --j;
      }
    }
    const bool leftSmaller = j - first < last - i;
    if (leftSmaller) {
      if (i < last) pending.emplace_back(i, last);
      if (first < j) pending.emplace_back(first, j);
    } else {
      if (first < j) pending.emplace_back(first, j);
      if (i < last) pending.emplace_back(i, last);
    }
  }
}

}  // namespace velt
