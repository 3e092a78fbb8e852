// Finds the phrases of a table that occur, as text, inside another phrase with
// the same count. Phrases with the same count are taken as one group.
//
// Every phrase contains a space and no word does, so when phrase i = a1 .. am
// occurs inside phrase j, the spaces line up: a1 is the end of a word x of j,
// a2 .. am-1 are whole words of j, and am is the start of the next word y.
// The words x a2 .. am-1 y are then a contiguous part of j, and the trie holds
// every such part as a node. So: mark every proper part of every phrase of the
// group (following parent and suffix links), then for phrase i look at the
// nodes x a2 .. am-1 y with x ending in a1 and y starting with am; i is inside
// another phrase of the group exactly when one of them is a marked part or a
// phrase of the group itself (other than i). The work is linear in the parts
// marked plus, per phrase, the word pairs x a2 that occur (found by binary
// search: words ending alike are neighbours in order of their reversed texts).
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "phrases/phrase_table.h"

namespace velt {

class SubphraseFinder {
 public:
  // Takes the included records of the table as the phrases of the groups.
  explicit SubphraseFinder(const PhraseTable& table);

  // Marks the proper parts of the phrases of group `count` (their nodes).
  void MarkGroup(int32_t count, std::span<const uint32_t> nodes);

  // Whether the phrase of node, of group `count` (marked before), occurs in a
  // longer phrase of its group.
  bool IsInsideAnother(uint32_t node, int32_t count);

 private:
  bool Covers(uint32_t node, int32_t count) const;
  bool OneWordInside(uint32_t word, int32_t count) const;
  bool EndsWith(uint32_t word, uint32_t end) const;
  bool StartsWith(uint32_t word, uint32_t start) const;
  // Whether a child of head whose word starts with `last` (other than
  // `exclude`) is a marked part or a phrase of the group.
  bool ChildCovers(uint32_t head, uint32_t last, uint32_t exclude, int32_t count) const;
  void IndexWordPairs();
  // Indexes in pairKeys_ of the pairs x second with x ending in `end`.
  std::pair<size_t, size_t> PairsEndingWith(uint32_t end, uint32_t second) const;
  bool PairInside(uint32_t first, uint32_t last, uint32_t node, int32_t count) const;

  const PhraseTrie& trie_;
  const WordStore& words_;
  const ChildIndex& children_;
  const std::vector<uint32_t>& textRank_;
  std::vector<uint32_t> byText_;      // word ids in code-unit order
  std::vector<uint32_t> prefixEnd_;   // per word: text rank past the words starting with it
  std::vector<uint32_t> byReversed_;  // word ids in order of their reversed texts
  std::vector<uint32_t> reversedRank_;
  std::vector<uint32_t> suffixEnd_;  // per word: reversed rank past the words ending with it
  // Two-word phrases x w keyed by (w, reversed rank of x), ascending, and their nodes.
  std::vector<uint64_t> pairKeys_;
  std::vector<uint32_t> pairNodes_;
  std::vector<uint8_t> member_;  // per node: an included record
  std::vector<int32_t> marked_;  // per node: count of the last group it is a proper part of
  std::vector<uint32_t> wordsOfNode_;
  std::vector<uint32_t> pending_;
};

}  // namespace velt
