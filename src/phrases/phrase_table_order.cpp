// Table order of the phrase table: the records' indexes, built from the trie,
// and the run's sort by key.
#include <algorithm>
#include <functional>
#include <utility>

#include "phrases/key_order.h"
#include "phrases/phrase_table.h"
#include "phrases/sorted_search.h"
#include "phrases/string_arrays.h"

namespace velt {

void PhraseTable::RefreshCounts(TableOrder& order) const {
  order.count.resize(order.nodes.size());
  for (size_t i = 1; i < order.nodes.size(); ++i)
    order.count[i] = trie_.Count(order.nodes[i]);
  order.countsValid = true;
}

const std::vector<uint32_t>& PhraseTable::WordTextRanks() const {
  if (wordTextRank_.size() != words_.size()) {
    wordTextRank_ = RankWords(
        words_.size(), [&](uint32_t a, uint32_t b) { return words_.Word(a) < words_.Word(b); });
  }
  return wordTextRank_;
}

const ChildIndex& PhraseTable::Children() const {
  if (!childrenValid_) {
    children_ = ChildIndex();  // free the old index before building the new one
    children_ = ChildIndex(trie_.Parents(), trie_.Words(), WordTextRanks());
    childrenValid_ = true;
  }
  return children_;
}

// Records in preorder of the trie, which is ascending phrase order. Records
// that had indexes before keep their flags, links and relative value; new
// records start included and outside the chain.
void PhraseTable::BuildOrder() const {
  const uint32_t numNodes = trie_.size();
  std::vector<int32_t> oldIndex;
  if (order_.nodes.size() > 1) {
    oldIndex.assign(numNodes, 0);
    for (size_t i = 1; i < order_.nodes.size(); ++i) {
      oldIndex[order_.nodes[i]] = static_cast<int32_t>(i);
    }
  }
  const size_t size = static_cast<size_t>(numRecords_) + 1;
  TableOrder order;
  order.nodes.assign(size, PhraseTrie::kRoot);
  {
    const std::vector<uint32_t> index =
        PreorderPositions(Children(), trie_.Parents(), trie_.Counts());
    for (uint32_t node = 1; node < numNodes; ++node) {
      if (trie_.Count(node) > 0) order.nodes[index[node]] = node;
    }
  }
  order.included.assign(size, 1);
  order.rank.assign(size, 0);
  order.next.assign(size, 0);
  order.relative.assign(size, 0.0f);
  for (size_t i = 1; i < size && !oldIndex.empty(); ++i) {
    const int32_t old = oldIndex[order.nodes[i]];
    if (old == 0) continue;
    order.included[i] = order_.included[old];
    order.rank[i] = order_.rank[old];
    order.next[i] = order_.next[old];
    order.relative[i] = order_.relative[old];
  }
  order.valid = true;
  order.inPhraseOrder = true;
  order_ = std::move(order);
}

void PhraseTable::SortPhraseTable(int32_t first, int32_t last, int c) {
  if (first >= last) return;
  std::vector<uint32_t> keys = KeyRanks(first, last, c);
  // On keys that are already strictly ascending the procedure swaps nothing:
  // each pass stops i and j at the pivot. Equal or falling keys need the real
  // thing, which decides where equal keys end.
  if (std::adjacent_find(keys.begin(), keys.end(), std::greater_equal<>()) == keys.end()) return;
  std::vector<uint32_t> from(keys.size());
  for (size_t k = 0; k < from.size(); ++k)
    from[k] = static_cast<uint32_t>(first + k);
  const auto keyAt = [&](int64_t k) { return keys[k - first]; };
  const auto before = [](uint32_t a, uint32_t b) { return a < b; };
  const auto swapAt = [&](int64_t i, int64_t j) {
    std::swap(keys[i - first], keys[j - first]);
    std::swap(from[i - first], from[j - first]);
  };
  PartitionSort<uint32_t>(first, last, keyAt, before, swapAt);
  Permute(first, from);
}

// Records first..last take the records that were at from[k - first].
void PhraseTable::Permute(int32_t first, const std::vector<uint32_t>& from) {
  TableOrder& order = Order();
  order.inPhraseOrder = false;
  const auto gather = [&](auto& values) {
    auto moved = values;
    for (size_t k = 0; k < from.size(); ++k)
      values[first + k] = moved[from[k]];
  };
  gather(order.nodes);
  if (order.countsValid) gather(order.count);
  gather(order.included);
  gather(order.rank);
  gather(order.next);
  gather(order.relative);
}

std::vector<uint32_t> PhraseTable::KeyRanks(int32_t first, int32_t last, int c) const {
  if (c <= 1) return WholeKeyRanks(first, last);
  std::vector<Text> keys;
  for (int32_t i = first; i <= last; ++i)
    keys.emplace_back(FromCharacter(Key(i), c));
  std::vector<Text> distinct = keys;
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  std::vector<uint32_t> ranks;
  ranks.reserve(keys.size());
  for (const Text& key : keys) {
    ranks.push_back(static_cast<uint32_t>(std::lower_bound(distinct.begin(), distinct.end(), key) -
                                          distinct.begin()));
  }
  return ranks;
}

std::vector<uint32_t> PhraseTable::WholeKeyRanks(int32_t first, int32_t last) const {
  std::vector<uint32_t> ranks;
  ranks.reserve(static_cast<size_t>(last - first + 1));
  const WordKeyOrder wordKeys = OrderWordKeys(words_, WordTextRanks());
  if (wordKeys.followsText && Order().inPhraseOrder) {
    for (int32_t i = first; i <= last; ++i)
      ranks.push_back(static_cast<uint32_t>(i));
    return ranks;
  }
  const std::vector<uint32_t> nodeRanks = NodeKeyRanks(trie_, wordKeys.keyId);
  for (int32_t i = first; i <= last; ++i)
    ranks.push_back(nodeRanks[NodeAt(i)]);
  return ranks;
}

}  // namespace velt
