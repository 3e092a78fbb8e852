// Key order of the phrases of a trie. A phrase's key is its words' keys joined
// by spaces, so keys compare like the sequences of their words' keys. Words
// with equal keys ("Apple" and "apple" when case is significant, "Éclair" and
// "eclair") make different phrases with equal keys; merging them gives a trie
// of keys, whose preorder ranks the keys.
#pragma once

#include <cstdint>
#include <vector>

#include "phrases/phrase_trie.h"
#include "phrases/word_store.h"

namespace velt {

struct WordKeyOrder {
  // Per word id: equal keys get equal ids, and ids rise with the keys.
  std::vector<uint32_t> keyId;
  // Whether the keys strictly rise with the words' texts (case not
  // significant and no accents): then phrase order is key order and no two
  // phrases have equal keys.
  bool followsText = false;
};

WordKeyOrder OrderWordKeys(const WordStore& words, const std::vector<uint32_t>& wordTextRank);

// The rank of every node's key (equal keys, equal ranks).
std::vector<uint32_t> NodeKeyRanks(const PhraseTrie& trie, const std::vector<uint32_t>& keyId);

}  // namespace velt
