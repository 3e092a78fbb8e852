#include "phrases/phrase_table.h"

#include <algorithm>
#include <limits>

namespace velt {

void PhraseTable::Reset(TableMode mode) {
  mode_ = mode;
  ++epoch_;
  words_ = WordStore();
  trie_.Clear();
  tallies_.Clear();
  fixedFileNumber_ = filesRead_.currentFileNumber() % kFileNumberModulus;
  numRecords_ = 0;
  firstInFrequencyOrder_ = 0;
  order_ = TableOrder();
  childrenValid_ = false;
  children_ = ChildIndex();
  std::vector<uint32_t>().swap(wordTextRank_);
}

uint32_t PhraseTable::ExtendPhrase(uint32_t node, uint32_t word, uint32_t suffix) {
  const uint32_t before = trie_.size();
  const uint32_t child = trie_.Extend(node, word, suffix);
  if (trie_.size() != before) NodeCreated();
  return child;
}

// Creates the node of the phrase together with every contiguous part of it, as
// phrase assembly does for a stream of words, so the trie stays closed under
// parts whatever way phrases come in.
uint32_t PhraseTable::EnsurePhrase(const std::vector<uint32_t>& wordIds) {
  std::vector<uint32_t> previous;  // nodes of the parts ending at the previous word
  std::vector<uint32_t> current;
  for (const uint32_t word : wordIds) {
    current.assign(1, ExtendPhrase(PhraseTrie::kRoot, word, PhraseTrie::kRoot));
    for (const uint32_t shorter : previous) {
      current.push_back(ExtendPhrase(shorter, word, current.back()));
    }
    previous.swap(current);
  }
  return previous.empty() ? PhraseTrie::kRoot : previous.back();
}

void PhraseTable::AddWordToList(TextView phrase) {
  if (mode_ != TableMode::ReadingWords && phrase.size() > kMaxPermittedWordLength) return;
  std::vector<uint32_t> wordIds;
  size_t start = 0;
  for (;;) {
    const size_t end = phrase.find(u' ', start);
    wordIds.push_back(words_.Intern(phrase.substr(start, end - start)));
    if (end == TextView::npos) break;
    start = end + 1;
  }
  CountPhrase(EnsurePhrase(wordIds));
}

void PhraseTable::CountPhrase(uint32_t node) {
  if (mode_ == TableMode::FolderCount) filesRead_.NoteCurrentFile();
  int32_t& count = trie_.Count(node);
  if (count == 0) {
    count = 1;
    ++numRecords_;
    order_.valid = false;
    if (mode_ == TableMode::FolderCount) tallies_.Start(node, filesRead_.currentFileNumber());
    if (numRecords_ == 1) {
      if (hooks_.firstRecordCreated) hooks_.firstRecordCreated();
    } else if (mode_ == TableMode::ReadingWords && numRecords_ % 10 == 0) {
      if (hooks_.wordsReadSoFar) hooks_.wordsReadSoFar(numRecords_);
    }
    return;
  }
  if (count < std::numeric_limits<int32_t>::max()) ++count;
  order_.countsValid = false;
  if (mode_ == TableMode::FolderCount) {
    tallies_.RecordFileOccurrence(node, filesRead_.currentFileNumber());
  }
  pump_.Yield();
}

// Two walks up the chain, the second in cache: one to size the result, one
// to fill it from its end, so a phrase costs one allocation.
Text PhraseTable::JoinWords(int32_t i, bool keys) const {
  const auto piece = [&](uint32_t node) {
    return keys ? words_.Key(trie_.Word(node)) : words_.Word(trie_.Word(node));
  };
  const uint32_t last = NodeAt(i);
  size_t length = 0;
  for (uint32_t node = last; node != PhraseTrie::kRoot; node = trie_.Parent(node))
    length += piece(node).size() + 1;
  Text joined(length == 0 ? 0 : length - 1, u' ');
  size_t end = joined.size();
  for (uint32_t node = last; node != PhraseTrie::kRoot; node = trie_.Parent(node)) {
    const TextView word = piece(node);
    end -= word.size();
    std::copy(word.begin(), word.end(), joined.begin() + static_cast<ptrdiff_t>(end));
    if (end > 0) --end;  // the space before the word
  }
  return joined;
}

void PhraseTable::AppendPhrases(std::span<const int32_t> indices, Text& chars,
                                std::vector<size_t>& ends) const {
  const TableOrder& order = Order();
  std::vector<uint32_t> nodes;
  nodes.reserve(indices.size());
  for (const int32_t i : indices)
    nodes.push_back(order.nodes[static_cast<size_t>(i)]);
  std::vector<uint32_t> wordIds;
  std::vector<size_t> wordEnds;
  wordEnds.reserve(indices.size());
  trie_.WordsOfEach(nodes, wordIds, wordEnds);
  size_t length = chars.size() + wordIds.size();
  for (const uint32_t id : wordIds)
    length += words_.Length(id);
  chars.reserve(length);
  size_t start = 0;
  for (const size_t wordEnd : wordEnds) {
    for (size_t k = start; k < wordEnd; ++k) {
      if (k > start) chars.push_back(u' ');
      chars += words_.Word(wordIds[k]);
    }
    ends.push_back(chars.size());
    start = wordEnd;
  }
}

int32_t PhraseTable::PhraseLength(int32_t i) const {
  int32_t length = -1;
  for (uint32_t node = NodeAt(i); node != PhraseTrie::kRoot; node = trie_.Parent(node)) {
    length += static_cast<int32_t>(words_.Length(trie_.Word(node))) + 1;
  }
  return std::max(length, 0);
}

int32_t PhraseTable::NumWords(int32_t i) const {
  int32_t words = 0;
  for (uint32_t node = NodeAt(i); node != PhraseTrie::kRoot; node = trie_.Parent(node))
    ++words;
  return words;
}

void PhraseTable::SetChainLink(int32_t i, int32_t rank, int32_t next) {
  TableOrder& order = Order();
  order.rank[i] = rank;
  order.next[i] = next;
}

// Outside folder counts the file number never changes during the count, so a
// phrase's only entry holds its count: every occurrence but the first goes
// through RecordFileOccurrence, and a word list's records start without files.
int32_t PhraseTable::FileCount(int32_t i) const {
  switch (mode_) {
    case TableMode::FolderCount:
      return tallies_.FileCount(NodeAt(i));
    case TableMode::Count:
      return 1;
    case TableMode::ReadingWords:
      return Count(i) > 1 ? 1 : 0;
  }
  return 0;
}

std::vector<FileTally> PhraseTable::Files(int32_t i) const {
  if (mode_ == TableMode::FolderCount) return tallies_.Files(NodeAt(i));
  const int32_t occurrences = mode_ == TableMode::Count ? Count(i) : Count(i) - 1;
  if (occurrences <= 0) return {};
  return {{fixedFileNumber_, std::min(occurrences, kMaxPerFileCount)}};
}

std::vector<Text> PhraseTable::PhrasesInOrder() const {
  std::vector<Text> phrases;
  phrases.reserve(static_cast<size_t>(numRecords_));
  for (int32_t i = 1; i <= numRecords_; ++i)
    phrases.push_back(Phrase(i));
  return phrases;
}

}  // namespace velt
