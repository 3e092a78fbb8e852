// The two words-to-ignore lookups of phrase assembly, for one lower-cased word
// (a word of the scanner, which never contains "+"). Extra words are asked first.
#pragma once

#include "phrases/words_to_ignore.h"
#include "settings/settings.h"
#include "text/text.h"
#include "wordlists/word_list_state.h"

namespace velt {

// Whether word matches an extra word; the extra words are always patterns.
bool MatchesExtraWords(WordListState& lists, TextView word);

// Whether word is in the loaded words file: by pattern when
// patternMatching is set, otherwise by exact binary search
// of the sorted entries.
bool MatchesWordsFile(WordListState& lists, const Settings& settings, TextView word);

// The lists in force as phrase assembly asks them. A lookup records in
// invalidExpressionMet whether it met an invalid expression, hence the
// reference to the (mutable) lists behind the const interface.
class WordListLookups final : public WordsToIgnore {
 public:
  WordListLookups(WordListState& lists, const Settings& settings)
      : lists_(lists), settings_(settings) {}

  int NumExtraWords() const override { return lists_.extraWordCount(); }
  int32_t NumFileWords() const override { return lists_.fileWordCount(); }
  bool MatchesExtraWords(TextView lowerWord) const override {
    return velt::MatchesExtraWords(lists_, lowerWord);
  }
  bool MatchesWordsFile(TextView lowerWord) const override {
    return velt::MatchesWordsFile(lists_, settings_, lowerWord);
  }

 private:
  WordListState& lists_;
  const Settings& settings_;
};

}  // namespace velt
