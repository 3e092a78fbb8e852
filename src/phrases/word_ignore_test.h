// Which words of a phrase are words to ignore: the words-to-ignore lists first,
// then the word-shape rules. Phrases are given in window form, words joined by
// "+" (a character no word contains).
#pragma once

#include <vector>

#include "phrases/run_parameters.h"
#include "phrases/words_to_ignore.h"
#include "settings/settings.h"
#include "text/text.h"

namespace velt {

class WordIgnoreTest {
 public:
  // stopRequested is polled between the words of a phrase.
  WordIgnoreTest(const WordsToIgnore& lists, const Settings& settings, const bool& stopRequested)
      : lists_(lists), settings_(settings), stopRequested_(stopRequested) {}

  // One word, lower-cased first: an extra word, a word of the words file, or a
  // word of an ignored shape (short, long, four repeated letters, no letter).
  bool IsIgnoredWord(TextView word) const;

  // Marks each word of the phrase in wordIgnored. True when every word is to
  // be ignored; with stopAtFirst, true at the first word to ignore. A stop
  // request abandons the test with true.
  bool IsWordToIgnore(TextView windowPhrase, bool stopAtFirst,
                      std::vector<bool>& wordIgnored) const;
  bool PhraseContainsWordToIgnore(TextView windowPhrase) const;

  // The phrase without its words to ignore, joined by single spaces; empty when
  // every word is to be ignored.
  Text StripPhrase(TextView windowPhrase) const;

  // Options 4 (no word to ignore allowed), 2 (not all words to ignore), else 1.
  bool PhraseAcceptable(TextView windowPhrase, const PhraseRunParameters& params) const;

 private:
  const WordsToIgnore& lists_;
  const Settings& settings_;
  const bool& stopRequested_;
};

// The words of a window-form phrase.
std::vector<TextView> SplitWindow(TextView windowPhrase);

}  // namespace velt
