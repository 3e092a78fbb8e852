#include "phrases/string_arrays.h"

#include <algorithm>
#include <utility>

namespace velt {

TextView FromCharacter(TextView item, int c) {
  const size_t skip = c > 1 ? static_cast<size_t>(c - 1) : 0;
  return skip >= item.size() ? TextView() : item.substr(skip);
}

void SortStringArray(std::span<Text> items, int32_t first, int32_t last, int c) {
  if (first >= last) return;
  const auto keyAt = [&](int64_t k) { return FromCharacter(items[k - 1], c); };
  const auto after = [](TextView a, TextView b) { return a > b; };
  const auto swapAt = [&](int64_t i, int64_t j) { std::swap(items[i - 1], items[j - 1]); };
  PartitionSort<Text>(first, last, keyAt, after, swapAt);
  std::reverse(items.begin() + (first - 1), items.begin() + last);
}

FindResult FindString(TextView text, std::span<const Text> items, int32_t n, int c) {
  return SearchSorted(n, [&](int32_t m) { return text.compare(FromCharacter(items[m - 1], c)); });
}

FindResult FindPhrase(TextView text, std::span<const Text> phrases, int32_t n) {
  return FindString(text, phrases, n, 1);
}

Text NormalizeSpaceList(TextView text) {
  std::vector<Text> items = SplitAtSpaces(text);
  const auto n = static_cast<int32_t>(items.size());
  SortStringArray(items, 1, n, 1);
  items.erase(std::unique(items.begin(), items.end()), items.end());
  return JoinWithSpaces(items);
}

}  // namespace velt
