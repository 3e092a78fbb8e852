#include "phrases/phrase_trie.h"

#include <algorithm>
#include <array>

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

// A listing asks for phrases of records scattered over a trie of millions of
// nodes: each step up a chain is a cache miss, and one chain's steps depend on
// each other. Sixteen chains walked in step keep sixteen misses in flight.
void PhraseTrie::WordsOfEach(std::span<const uint32_t> nodes, std::vector<uint32_t>& out,
                             std::vector<size_t>& ends) const {
  constexpr size_t kChains = 16;
  std::array<uint32_t, kChains> at{};
  std::array<std::vector<uint32_t>, kChains> reversed;
  for (size_t first = 0; first < nodes.size(); first += kChains) {
    const size_t chains = std::min(kChains, nodes.size() - first);
    for (size_t c = 0; c < chains; ++c) {
      at[c] = nodes[first + c];
      reversed[c].clear();
    }
    for (bool walking = true; walking;) {
      walking = false;
      for (size_t c = 0; c < chains; ++c) {
        const uint32_t node = at[c];
        if (node == kRoot) continue;
        reversed[c].push_back(word_[node]);
        at[c] = parent_[node];
        __builtin_prefetch(&parent_[at[c]]);
        __builtin_prefetch(&word_[at[c]]);
        walking = true;
      }
    }
    for (size_t c = 0; c < chains; ++c) {
      out.insert(out.end(), reversed[c].rbegin(), reversed[c].rend());
      ends.push_back(out.size());
    }
  }
}

}  // namespace velt
