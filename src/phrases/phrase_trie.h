// The phrases of a count as a trie of word ids: node (p, w) is the phrase of
// node p followed by word w; node 0 is the empty phrase. Every node also knows
// its suffix link, the node of the same phrase without its first word, and the
// trie holds every contiguous part of every phrase in it, so the parts of a
// phrase are reached through parent and suffix links without any text work.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "phrases/large_array.h"
#include "phrases/trie_index.h"

namespace velt {

class PhraseTrie {
 public:
  static constexpr uint32_t kRoot = 0;

  PhraseTrie() { Clear(); }

  void Clear();

  // The node of parent's phrase followed by word, created with the given
  // suffix link when new.
  uint32_t Extend(uint32_t parent, uint32_t word, uint32_t suffix);
  void Prefetch(uint32_t parent, uint32_t word) const { index_.Prefetch(parent, word); }
  // The node of parent's phrase followed by word, or kRoot when there is none.
  uint32_t Find(uint32_t parent, uint32_t word) const;

  uint32_t size() const { return static_cast<uint32_t>(parent_.size()); }
  uint32_t Parent(uint32_t node) const { return parent_[node]; }
  uint32_t Word(uint32_t node) const { return word_[node]; }
  uint32_t Suffix(uint32_t node) const { return suffix_[node]; }
  int32_t Count(uint32_t node) const { return count_[node]; }
  int32_t& Count(uint32_t node) { return count_[node]; }

  std::span<const uint32_t> Parents() const { return parent_.view(); }
  std::span<const uint32_t> Words() const { return word_.view(); }
  std::span<const int32_t> Counts() const { return count_.view(); }

  // Word ids of the phrase of node, first word first.
  void WordsOf(uint32_t node, std::vector<uint32_t>& out) const;
  // Word ids of the phrases of nodes, each first word first, appended to out
  // one phrase after another; ends receives where each phrase ends in out.
  // The parent chains of several nodes are walked in step, so that the cache
  // misses of one chain overlap with those of the others.
  void WordsOfEach(std::span<const uint32_t> nodes, std::vector<uint32_t>& out,
                   std::vector<size_t>& ends) const;

 private:
  TrieIndex index_;
  // One-word phrases by word id (0 when absent): the commonest lookup, direct.
  std::vector<uint32_t> wordNode_;
  PodArray<uint32_t> parent_;
  PodArray<uint32_t> word_;
  PodArray<uint32_t> suffix_;
  PodArray<int32_t> count_;
};

}  // namespace velt
