#include "phrases/phrase_trie.h"

#include <algorithm>

namespace velt {

void PhraseTrie::Clear() {
  index_.Clear();
  std::vector<uint32_t>().swap(wordNode_);
  parent_.Restart(kRoot);
  word_.Restart(0);
  suffix_.Restart(kRoot);
  count_.Restart(0);
}

uint32_t PhraseTrie::Find(uint32_t parent, uint32_t word) const {
  if (parent == kRoot) return word < wordNode_.size() ? wordNode_[word] : kRoot;
  return index_.Find(parent, word);
}

uint32_t PhraseTrie::Extend(uint32_t parent, uint32_t word, uint32_t suffix) {
  const uint32_t newNode = size();
  uint32_t node;
  if (parent == kRoot) {
    if (word >= wordNode_.size())
      wordNode_.resize(std::max<size_t>(word + 1, 2 * wordNode_.size()));
    if (wordNode_[word] == kRoot) wordNode_[word] = newNode;
    node = wordNode_[word];
  } else {
    node = index_.FindOrAdd(parent, word, newNode);
  }
  if (node != newNode) return node;
  parent_.push_back(parent);
  word_.push_back(word);
  suffix_.push_back(suffix);
  count_.push_back(0);
  return newNode;
}

void PhraseTrie::WordsOf(uint32_t node, std::vector<uint32_t>& out) const {
  out.clear();
  for (; node != kRoot; node = parent_[node])
    out.push_back(word_[node]);
  std::reverse(out.begin(), out.end());
}

}  // namespace velt
