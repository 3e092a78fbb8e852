#include "phrases/word_ignore_test.h"

#include "text/case_mapping.h"
#include "words/word_shape.h"

namespace velt {

std::vector<TextView> SplitWindow(TextView windowPhrase) {
  std::vector<TextView> words;
  size_t start = 0;
  for (;;) {
    const size_t end = windowPhrase.find(u'+', start);
    words.push_back(windowPhrase.substr(start, end - start));
    if (end == TextView::npos) return words;
    start = end + 1;
  }
}

bool WordIgnoreTest::IsIgnoredWord(TextView word) const {
  const Text lower = LowerCaseText(word);
  if (lists_.NumExtraWords() > 0 && lists_.MatchesExtraWords(lower)) return true;
  if (lists_.NumFileWords() > 0 && lists_.MatchesWordsFile(lower)) return true;
  return HasIgnoredShape(lower, settings_);
}

bool WordIgnoreTest::IsWordToIgnore(TextView windowPhrase, bool stopAtFirst,
                                    std::vector<bool>& wordIgnored) const {
  const std::vector<TextView> words = SplitWindow(windowPhrase);
  wordIgnored.assign(words.size(), false);
  bool all = true;
  for (size_t i = 0; i < words.size(); ++i) {
    if (stopRequested_) return true;
    wordIgnored[i] = IsIgnoredWord(words[i]);
    if (wordIgnored[i] && stopAtFirst) return true;
    all = all && wordIgnored[i];
  }
  return all;
}

bool WordIgnoreTest::PhraseContainsWordToIgnore(TextView windowPhrase) const {
  std::vector<bool> ignored;
  return IsWordToIgnore(windowPhrase, true, ignored);
}

Text WordIgnoreTest::StripPhrase(TextView windowPhrase) const {
  std::vector<bool> ignored;
  if (IsWordToIgnore(windowPhrase, false, ignored)) return Text();
  const std::vector<TextView> words = SplitWindow(windowPhrase);
  Text kept;
  for (size_t i = 0; i < words.size(); ++i) {
    if (ignored[i]) continue;
    if (!kept.empty()) kept.push_back(u' ');
    kept += words[i];
  }
  return kept;
}

bool WordIgnoreTest::PhraseAcceptable(TextView windowPhrase,
                                      const PhraseRunParameters& params) const {
  if (params.excludePhrasesWithIgnoredWord) {
    return !PhraseContainsWordToIgnore(windowPhrase);
  }
  if (params.excludePhrasesOfIgnoredWordsOnly) {
    std::vector<bool> ignored;
    return !IsWordToIgnore(windowPhrase, false, ignored);
  }
  return true;
}

}  // namespace velt
