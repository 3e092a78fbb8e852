#include "phrases/key_order.h"

#include <algorithm>
#include <numeric>

#include "phrases/trie_index.h"
#include "phrases/trie_order.h"

namespace velt {

WordKeyOrder OrderWordKeys(const WordStore& words, const std::vector<uint32_t>& wordTextRank) {
  const uint32_t numWords = words.size();
  std::vector<uint32_t> byText(numWords);
  for (uint32_t word = 0; word < numWords; ++word)
    byText[wordTextRank[word]] = word;
  std::vector<uint32_t> byKey = byText;
  std::stable_sort(byKey.begin(), byKey.end(),
                   [&](uint32_t a, uint32_t b) { return words.Key(a) < words.Key(b); });
  WordKeyOrder order;
  order.keyId.resize(numWords);
  uint32_t id = 0;
  for (size_t r = 0; r < byKey.size(); ++r) {
    if (r > 0 && words.Key(byKey[r]) != words.Key(byKey[r - 1])) ++id;
    order.keyId[byKey[r]] = id;
  }
  order.followsText = true;
  for (uint32_t r = 1; r < numWords && order.followsText; ++r) {
    order.followsText = order.keyId[byText[r]] > order.keyId[byText[r - 1]];
  }
  return order;
}

std::vector<uint32_t> NodeKeyRanks(const PhraseTrie& trie, const std::vector<uint32_t>& keyId) {
  const uint32_t numNodes = trie.size();
  std::vector<uint32_t> keyNode(numNodes, 0);
  std::vector<uint32_t> keyParent{0};
  std::vector<uint32_t> keyWord{0};
  {
    // Measured on a 4.4 MB text with lengths 2 to 25 and case significant:
    // sizing the index once and requesting each slot a few nodes ahead (when
    // that node's parent is done) halved the processor time of the key ranking.
    constexpr uint32_t kAhead = 8;
    TrieIndex keyIndex;
    keyIndex.Reserve(numNodes);
    for (uint32_t node = 1; node < numNodes; ++node) {
      const uint32_t ahead = node + kAhead;
      if (ahead < numNodes && trie.Parent(ahead) < node) {
        keyIndex.Prefetch(keyNode[trie.Parent(ahead)], keyId[trie.Word(ahead)]);
      }
      const uint32_t parent = keyNode[trie.Parent(node)];
      const uint32_t word = keyId[trie.Word(node)];
      const auto newNode = static_cast<uint32_t>(keyParent.size());
      keyNode[node] = keyIndex.FindOrAdd(parent, word, newNode);
      if (keyNode[node] == newNode) {
        keyParent.push_back(parent);
        keyWord.push_back(word);
      }
    }
  }
  // Key ids are their own ranks.
  std::vector<uint32_t> identity(keyId.empty() ? 0
                                               : *std::max_element(keyId.begin(), keyId.end()) + 1);
  std::iota(identity.begin(), identity.end(), 0u);
  const std::vector<uint32_t> position =
      PreorderPositions(ChildIndex(keyParent, keyWord, identity), keyParent);
  for (uint32_t& node : keyNode)
    node = position[node];
  return keyNode;
}

}  // namespace velt
