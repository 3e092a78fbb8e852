// The phrase table: every distinct phrase of a count with its number of
// occurrences and per-file data, then, after the run's sort, the records in
// table order with their included flag, frequency-chain links and relative
// value. The same table is the temporary store of a word list being read.
//
// Phrases are counted in a trie of word ids (see phrase_trie.h) instead of a
// sorted array with shifting inserts. Records get table indexes (1 to
// phraseCount) when first asked for: between adds the records are ascending by
// phrase in code-unit order, after SortPhraseTable by key, exactly as a sorted
// array would hold them. Phrase text is only put together when asked for.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "phrases/file_tallies.h"
#include "phrases/files_read.h"
#include "phrases/phrase_trie.h"
#include "phrases/trie_order.h"
#include "phrases/word_store.h"
#include "platform/event_pump.h"
#include "text/text.h"

namespace velt {

// maxPermittedPhraseLength: longer phrases (spaces count) are not counted.
inline constexpr uint32_t kMaxPermittedWordLength = 100;

enum class TableMode {
  Count,        // a count from the clipboard or a single file
  FolderCount,  // a count of a folder: phrases keep per-file data
  ReadingWords  // a words-to-ignore list is read: no length limit, no file data
};

// Window updates the table asks for.
struct PhraseTableHooks {
  std::function<void()> firstRecordCreated;     // show the count label
  std::function<void(int32_t)> wordsReadSoFar;  // reading: every 10th new word
};

class PhraseTable {
 public:
  explicit PhraseTable(EventPump& pump) : pump_(pump) {}
  PhraseTable(const PhraseTable&) = delete;
  PhraseTable& operator=(const PhraseTable&) = delete;

  // Recreates the table empty (done by each source and each word-list read).
  void Reset(TableMode mode);
  TableMode mode() const { return mode_; }
  // Changes at every Reset: word ids and nodes of an earlier epoch are void.
  uint64_t epoch() const { return epoch_; }
  void SetHooks(PhraseTableHooks hooks) { hooks_ = std::move(hooks); }

  // Adds one occurrence of a phrase given as words joined by single spaces.
  void AddWordToList(TextView phrase);

  // Phrase assembly's way in: the phrase of a node followed by a word is a
  // node; CountPhrase adds one occurrence of a node's phrase (the caller has
  // checked the length limit).
  uint32_t InternWord(TextView word) { return words_.Intern(word); }
  uint32_t ExtendPhrase(uint32_t node, uint32_t word, uint32_t suffix);
  void PrefetchPhrase(uint32_t node, uint32_t word) const { trie_.Prefetch(node, word); }
  void CountPhrase(uint32_t node);

  int32_t phraseCount() const { return numRecords_; }

  // Records by table index, 1 to phraseCount.
  Text Phrase(int32_t i) const { return JoinWords(i, false); }
  Text Key(int32_t i) const { return JoinWords(i, true); }
  int32_t Count(int32_t i) const { return Counts()[i]; }
  // Characters of the phrase (spaces count) and its number of words.
  int32_t PhraseLength(int32_t i) const;
  int32_t NumWords(int32_t i) const;
  bool Included(int32_t i) const { return Order().included[i] != 0; }
  void SetIncluded(int32_t i, bool included) { Order().included[i] = included ? 1 : 0; }
  int32_t Rank(int32_t i) const { return Order().rank[i]; }
  int32_t Next(int32_t i) const { return Order().next[i]; }
  void SetChainLink(int32_t i, int32_t rank, int32_t next);
  float RelativeValue(int32_t i) const { return Order().relative[i]; }
  void SetRelativeValue(int32_t i, float value) { Order().relative[i] = value; }
  int32_t FileCount(int32_t i) const;
  std::vector<FileTally> Files(int32_t i) const;

  // Head of the frequency chain (0 when empty).
  int32_t firstInFrequencyOrder() const { return firstInFrequencyOrder_; }
  void SetFirstFreq(int32_t first) { firstInFrequencyOrder_ = first; }

  // The phrases in table order (how a word list copies out its sorted words).
  std::vector<Text> PhrasesInOrder() const;
  // The phrases of records indices appended to chars one after another; ends
  // receives where each phrase ends in chars. Much faster per phrase than
  // Phrase(i) for records scattered over a large table (see
  // PhraseTrie::WordsOfEach).
  void AppendPhrases(std::span<const int32_t> indices, Text& chars,
                     std::vector<size_t>& ends) const;

  // Sorts records first..last ascending by key from character c on with the
  // partition procedure (records with equal keys end where it leaves them).
  void SortPhraseTable(int32_t first, int32_t last, int c);

  FilesRead& filesRead() { return filesRead_; }
  const FilesRead& filesRead() const { return filesRead_; }

  // Read access for the passes over the whole table.
  const PhraseTrie& trie() const { return trie_; }
  const WordStore& words() const { return words_; }
  uint32_t NodeAt(int32_t i) const { return Order().nodes[i]; }
  // Every node's children sorted by their word's text.
  const ChildIndex& Children() const;
  // Rank of every word id in code-unit order of the words.
  const std::vector<uint32_t>& WordTextRanks() const;

 private:
  // Per-index data, index 0 unused. Rebuilt from the trie when adds have
  // created records since it was built; a sort permutes it like whole records.
  // The passes after counting run over every record, so what they read sits
  // here in table order rather than behind the node at random.
  struct TableOrder {
    bool valid = false;
    bool inPhraseOrder = false;
    bool countsValid = false;
    std::vector<uint32_t> nodes;
    std::vector<int32_t> count;
    std::vector<uint8_t> included;
    std::vector<int32_t> rank;
    std::vector<int32_t> next;
    std::vector<float> relative;
  };

  Text JoinWords(int32_t i, bool keys) const;
  // Inline: the listing reads a record's fields one by one through these.
  TableOrder& Order() const {
    if (!order_.valid) BuildOrder();
    return order_;
  }
  const std::vector<int32_t>& Counts() const {
    TableOrder& order = Order();
    if (!order.countsValid) RefreshCounts(order);
    return order.count;
  }
  void RefreshCounts(TableOrder& order) const;
  void BuildOrder() const;
  // Key rank of records first..last; equal keys get equal ranks.
  std::vector<uint32_t> KeyRanks(int32_t first, int32_t last, int c) const;
  std::vector<uint32_t> WholeKeyRanks(int32_t first, int32_t last) const;
  void Permute(int32_t first, const std::vector<uint32_t>& from);
  void NodeCreated() {
    order_.valid = false;
    childrenValid_ = false;
  }
  uint32_t EnsurePhrase(const std::vector<uint32_t>& wordIds);

  EventPump& pump_;
  PhraseTableHooks hooks_;
  TableMode mode_ = TableMode::Count;
  uint64_t epoch_ = 0;
  WordStore words_;
  PhraseTrie trie_;
  FileTallies tallies_;  // folder counts only
  FilesRead filesRead_;
  // File number of a count or list read that is not a folder run: constant.
  int32_t fixedFileNumber_ = 0;
  int32_t numRecords_ = 0;
  int32_t firstInFrequencyOrder_ = 0;

  mutable TableOrder order_;
  mutable bool childrenValid_ = false;
  mutable ChildIndex children_;
  mutable std::vector<uint32_t> wordTextRank_;
};

}  // namespace velt
