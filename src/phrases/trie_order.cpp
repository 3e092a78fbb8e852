#include "phrases/trie_order.h"

#include <algorithm>

namespace velt {

ChildIndex::ChildIndex(std::span<const uint32_t> parents, std::span<const uint32_t> words,
                       const std::vector<uint32_t>& wordRank) {
  const size_t n = parents.size();
  // Counting sort by parent: offsets_[p + 1] ends up as the start of p's group.
  offsets_.assign(n + 2, 0);
  for (size_t node = 1; node < n; ++node)
    ++offsets_[parents[node] + 2];
  for (size_t k = 2; k < offsets_.size(); ++k)
    offsets_[k] += offsets_[k - 1];
  children_.resize(n > 0 ? n - 1 : 0);
  for (size_t node = 1; node < n; ++node) {
    children_[offsets_[parents[node] + 1]++] = static_cast<uint32_t>(node);
  }
  offsets_.pop_back();
  const auto byWord = [&](uint32_t a, uint32_t b) {
    return wordRank[words[a]] < wordRank[words[b]];
  };
  for (size_t p = 0; p + 1 < offsets_.size(); ++p) {
    const auto first = children_.begin() + offsets_[p];
    const auto last = children_.begin() + offsets_[p + 1];
    if (last - first > 1) std::sort(first, last, byWord);
  }
}

std::vector<uint32_t> PreorderPositions(const ChildIndex& children,
                                        std::span<const uint32_t> parents,
                                        std::span<const int32_t> counts) {
  const size_t n = parents.size();
  const auto counted = [&](size_t node) -> uint32_t {
    return counts.empty() || counts[node] > 0 ? 1 : 0;
  };
  // Counted nodes per subtree, children before parents (children have larger ids).
  std::vector<uint32_t> position(n);
  for (size_t node = n; node-- > 1;) {
    position[node] += counted(node);
    position[parents[node]] += position[node];
  }
  // Then, parents before children, each child's position replaces its size.
  position[0] = 1;
  for (size_t p = 0; p < n; ++p) {
    uint32_t next = position[p] + (p == 0 ? 0 : counted(p));
    for (const uint32_t child : children.Of(static_cast<uint32_t>(p))) {
      const uint32_t size = position[child];
      position[child] = next;
      next += size;
    }
  }
  return position;
}

}  // namespace velt
