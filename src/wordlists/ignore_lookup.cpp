#include "wordlists/ignore_lookup.h"

#include "phrases/string_arrays.h"

namespace velt {

bool MatchesExtraWords(WordListState& lists, TextView word) {
  lists.invalidExpressionMet = false;
  if (lists.extraWordCount() == 0) return false;
  return MatchesPatternList(word, lists.extraWordsToIgnore.patterns(), lists.invalidExpressionMet);
}

bool MatchesWordsFile(WordListState& lists, const Settings& settings, TextView word) {
  lists.invalidExpressionMet = false;
  const int32_t n = lists.fileWordCount();
  if (n == 0) return false;
  if (settings.patternMatching) {
    return MatchesPatternList(word, lists.fileWordsToIgnore.patterns(), lists.invalidExpressionMet);
  }
  return FindString(word, lists.fileWordsToIgnore.entries(), n).found;
}

}  // namespace velt
