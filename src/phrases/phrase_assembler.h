// Phrase assembly: turns the word stream of a count into phrase occurrences.
// After every word, each phrase length from the minimum to the maximum yields
// the phrase of the last words of that length, subject to the ignore-words
// option, and the phrase table counts it.
//
// The phrase windows are kept as trie nodes: the window of c words ending at
// this word is the window of c - 1 words ending at the previous word extended
// by this word, so a word costs one trie step per length and no phrase text is
// ever built. Words to ignore are looked up once per distinct word.
#pragma once

#include <cstdint>
#include <vector>

#include "phrases/phrase_table.h"
#include "phrases/run_parameters.h"
#include "phrases/word_ignore_test.h"
#include "settings/settings.h"
#include "words/word_sink.h"

namespace velt {

class PhraseAssembler {
 public:
  // Starts with empty windows. stopRequested is polled before each phrase length.
  PhraseAssembler(PhraseTable& table, const PhraseRunParameters& params, const Settings& settings,
                  const WordIgnoreTest& ignoreTest, const bool& stopRequested);

  // Takes the next word of the stream, then applies the punctuation boundaries
  // (period, end double quote, tab, comma) of the settings. A word that fails
  // the seven-bit rule is dropped without a trace. In remove mode a word to
  // ignore never enters the windows (the counting sink does not even pass it).
  void GetWords2(TextView word, const StopFlags& flags);

  // Empties the windows: a phrase boundary.
  void ResetPhrases();

  // Whether the word alone is a word to ignore (StripPhrase of it is empty).
  bool IsWordToIgnore(TextView word);

 private:
  void SyncWithTable();
  bool Ignored(uint32_t wordId, TextView word);
  bool Accepts(int length) const;
  bool AtBoundary(const StopFlags& flags) const;

  PhraseTable& table_;
  const PhraseRunParameters& params_;
  const Settings& settings_;
  const WordIgnoreTest& ignoreTest_;
  const bool& stopRequested_;
  const int maxLength_;
  const bool needsIgnoreFlags_;

  uint64_t epoch_ = 0;
  std::vector<int8_t> ignoredWord_;  // per word id: -1 not yet asked, else 0/1
  // Windows ending at the previous word (index = number of words, 1 to
  // depth_) and their lengths in characters; the same for the current word.
  std::vector<uint32_t> window_;
  std::vector<uint32_t> windowLength_;
  std::vector<uint32_t> next_;
  std::vector<uint32_t> nextLength_;
  int depth_ = 0;
  // Words at the end of the windows that are (not) words to ignore.
  int trailingIgnored_ = 0;
  int trailingKept_ = 0;
};

// The word scanner's receiver during a count.
class CountingSink final : public WordSink {
 public:
  CountingSink(PhraseAssembler& assembler, const PhraseRunParameters& params)
      : assembler_(assembler), params_(params) {}

  // In remove mode a word goes on only when StripPhrase of it alone is not
  // empty, so a word to ignore neither breaks a phrase nor sets a boundary.
  void TakeWord(TextView word, const StopFlags& flags) override {
    if (params_.removeIgnoredWords && assembler_.IsWordToIgnore(word)) return;
    assembler_.GetWords2(word, flags);
  }

 private:
  PhraseAssembler& assembler_;
  const PhraseRunParameters& params_;
};

}  // namespace velt
