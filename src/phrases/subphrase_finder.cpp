#include "phrases/subphrase_finder.h"

#include <algorithm>
#include <utility>

namespace velt {
namespace {

// In an order where the words that begin (or end) with a word w come right
// after w, where each such run ends: a stack holds the words that the current
// one continues.
template <class Continues>
std::vector<uint32_t> RunEnds(const std::vector<uint32_t>& order, Continues continues) {
  const auto size = static_cast<uint32_t>(order.size());
  std::vector<uint32_t> end(size, size);
  std::vector<uint32_t> open;
  for (uint32_t r = 0; r < size; ++r) {
    while (!open.empty() && !continues(order[r], open.back())) {
      end[open.back()] = r;
      open.pop_back();
    }
    open.push_back(order[r]);
  }
  return end;
}

}  // namespace

SubphraseFinder::SubphraseFinder(const PhraseTable& table)
    : trie_(table.trie()),
      words_(table.words()),
      children_(table.Children()),
      textRank_(table.WordTextRanks()),
      member_(trie_.size(), 0),
      marked_(trie_.size(), 0) {
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    if (table.Included(i)) member_[table.NodeAt(i)] = 1;
  }
  const uint32_t numWords = words_.size();
  byText_.resize(numWords);
  for (uint32_t w = 0; w < numWords; ++w)
    byText_[textRank_[w]] = w;
  prefixEnd_ = RunEnds(byText_, [&](uint32_t w, uint32_t start) { return StartsWith(w, start); });
  std::vector<Text> reversed(numWords);
  for (uint32_t w = 0; w < numWords; ++w) {
    reversed[w].assign(words_.Word(w).rbegin(), words_.Word(w).rend());
  }
  reversedRank_ =
      RankWords(numWords, [&](uint32_t a, uint32_t b) { return reversed[a] < reversed[b]; });
  byReversed_.resize(numWords);
  for (uint32_t w = 0; w < numWords; ++w)
    byReversed_[reversedRank_[w]] = w;
  suffixEnd_ = RunEnds(byReversed_, [&](uint32_t w, uint32_t end) { return EndsWith(w, end); });
  IndexWordPairs();
}

void SubphraseFinder::IndexWordPairs() {
  std::vector<std::pair<uint64_t, uint32_t>> pairs;
  for (const uint32_t first : children_.Of(PhraseTrie::kRoot)) {
    const uint64_t rank = reversedRank_[trie_.Word(first)];
    for (const uint32_t pair : children_.Of(first)) {
      pairs.emplace_back((static_cast<uint64_t>(trie_.Word(pair)) << 32) | rank, pair);
    }
  }
  std::sort(pairs.begin(), pairs.end());
  pairKeys_.reserve(pairs.size());
  pairNodes_.reserve(pairs.size());
  for (const auto& [key, node] : pairs) {
    pairKeys_.push_back(key);
    pairNodes_.push_back(node);
  }
}

bool SubphraseFinder::EndsWith(uint32_t word, uint32_t end) const {
  return words_.Word(word).ends_with(words_.Word(end));
}

bool SubphraseFinder::StartsWith(uint32_t word, uint32_t start) const {
  return words_.Word(word).starts_with(words_.Word(start));
}

void SubphraseFinder::MarkGroup(int32_t count, std::span<const uint32_t> nodes) {
  for (const uint32_t node : nodes) {
    if (marked_[node] == count) continue;  // its parts are marked already
    pending_.push_back(trie_.Parent(node));
    pending_.push_back(trie_.Suffix(node));
    while (!pending_.empty()) {
      const uint32_t part = pending_.back();
      pending_.pop_back();
      if (part == PhraseTrie::kRoot || marked_[part] == count) continue;
      marked_[part] = count;
      pending_.push_back(trie_.Parent(part));
      pending_.push_back(trie_.Suffix(part));
    }
  }
}

bool SubphraseFinder::Covers(uint32_t node, int32_t count) const {
  return marked_[node] == count || (member_[node] != 0 && trie_.Count(node) == count);
}

bool SubphraseFinder::ChildCovers(uint32_t head, uint32_t last, uint32_t exclude,
                                  int32_t count) const {
  const std::span<const uint32_t> kids = children_.Of(head);
  const auto before = [&](uint32_t child, uint32_t rank) {
    return textRank_[trie_.Word(child)] < rank;
  };
  for (auto it = std::lower_bound(kids.begin(), kids.end(), textRank_[last], before);
       it != kids.end() && textRank_[trie_.Word(*it)] < prefixEnd_[last]; ++it) {
    if (*it != exclude && Covers(*it, count)) return true;
  }
  return false;
}

bool SubphraseFinder::IsInsideAnother(uint32_t node, int32_t count) {
  if (marked_[node] == count) return true;  // a whole-word part of another phrase
  trie_.WordsOf(node, wordsOfNode_);
  const std::vector<uint32_t>& a = wordsOfNode_;
  if (a.size() == 1) return OneWordInside(a[0], count);
  const uint32_t first = a.front();
  const uint32_t last = a.back();
  if (a.size() == 2) return PairInside(first, last, node, count);
  const auto [from, to] = PairsEndingWith(first, a[1]);
  for (size_t pair = from; pair < to; ++pair) {
    // With x = a1 itself the head is the phrase's own parent: no walk.
    const bool ownFirstWord = byReversed_[pairKeys_[pair] & UINT32_MAX] == first;
    uint32_t head = ownFirstWord ? trie_.Parent(node) : pairNodes_[pair];
    for (size_t k = 2; !ownFirstWord && k + 1 < a.size() && head != PhraseTrie::kRoot; ++k) {
      head = trie_.Find(head, a[k]);
    }
    if (head != PhraseTrie::kRoot && ChildCovers(head, last, node, count)) return true;
  }
  return false;
}

std::pair<size_t, size_t> SubphraseFinder::PairsEndingWith(uint32_t end, uint32_t second) const {
  const uint64_t key = static_cast<uint64_t>(second) << 32;
  const auto from = std::lower_bound(pairKeys_.begin(), pairKeys_.end(), key | reversedRank_[end]);
  const auto to = std::lower_bound(from, pairKeys_.end(), key | suffixEnd_[end]);
  return {static_cast<size_t>(from - pairKeys_.begin()),
          static_cast<size_t>(to - pairKeys_.begin())};
}

// A two-word phrase: the pairs x y with x ending in first and y starting with
// last, reached from whichever side has fewer words.
bool SubphraseFinder::PairInside(uint32_t first, uint32_t last, uint32_t node,
                                 int32_t count) const {
  const uint32_t endingAlike = suffixEnd_[first] - reversedRank_[first];
  const uint32_t startingAlike = prefixEnd_[last] - textRank_[last];
  if (endingAlike <= startingAlike) {
    for (uint32_t r = reversedRank_[first]; r < suffixEnd_[first]; ++r) {
      const uint32_t head = trie_.Find(PhraseTrie::kRoot, byReversed_[r]);
      if (head != PhraseTrie::kRoot && ChildCovers(head, last, node, count)) return true;
    }
    return false;
  }
  for (uint32_t r = textRank_[last]; r < prefixEnd_[last]; ++r) {
    const auto [from, to] = PairsEndingWith(first, byText_[r]);
    for (size_t pair = from; pair < to; ++pair) {
      if (pairNodes_[pair] != node && Covers(pairNodes_[pair], count)) return true;
    }
  }
  return false;
}

// A one-word phrase (only a word list's table has them) can lie anywhere
// inside a word of another phrase.
bool SubphraseFinder::OneWordInside(uint32_t word, int32_t count) const {
  const TextView text = words_.Word(word);
  for (uint32_t other = 0; other < words_.size(); ++other) {
    if (other == word || words_.Word(other).find(text) == TextView::npos) continue;
    const uint32_t node = trie_.Find(PhraseTrie::kRoot, other);
    if (node != PhraseTrie::kRoot && Covers(node, count)) return true;
  }
  return false;
}

}  // namespace velt
