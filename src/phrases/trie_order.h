// Lexicographic order of the nodes of a word trie. Every character of a word is
// above the space, so comparing two phrases as texts gives the same answer as
// comparing their word sequences word by word (a shorter word that is a prefix
// of a longer one sorts first, as does a phrase that is a prefix of another).
// Lexicographic order of the phrases is therefore the preorder of the trie with
// each node's children taken in the order of their words.
#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

namespace velt {

// The children of every node, grouped by parent and sorted within a group by a
// rank of their word. Parents must have smaller ids than their children.
class ChildIndex {
 public:
  ChildIndex() = default;
  ChildIndex(std::span<const uint32_t> parents, std::span<const uint32_t> words,
             const std::vector<uint32_t>& wordRank);

  std::span<const uint32_t> Of(uint32_t node) const {
    return {children_.data() + offsets_[node], children_.data() + offsets_[node + 1]};
  }
  bool empty() const { return offsets_.empty(); }

 private:
  std::vector<uint32_t> offsets_;
  std::vector<uint32_t> children_;
};

// Positions in preorder (a node before its extensions, siblings in the order
// of the child index), counting only the nodes with a count above 0 (all
// nodes when counts is empty) and starting at 1: a counted node's position is
// its index among the counted nodes.
std::vector<uint32_t> PreorderPositions(const ChildIndex& children,
                                        std::span<const uint32_t> parents,
                                        std::span<const int32_t> counts = {});

// Ranks of the words (0 = first) when ordered by before(a, b) on their ids.
template <class Before>
std::vector<uint32_t> RankWords(uint32_t numWords, Before before) {
  std::vector<uint32_t> ids(numWords);
  std::iota(ids.begin(), ids.end(), 0u);
  std::sort(ids.begin(), ids.end(), before);
  std::vector<uint32_t> rank(numWords);
  for (uint32_t r = 0; r < numWords; ++r)
    rank[ids[r]] = r;
  return rank;
}

}  // namespace velt
