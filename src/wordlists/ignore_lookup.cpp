#include "wordlists/ignore_lookup.h"

#include "phrases/string_arrays.h"

namespace velt {

bool MatchesExtraWords(WordListState& lists, TextView word) {
  lists.blnInvalidRegExpMet = false;
  if (lists.intNumExtraWordsToIgnore() == 0) return false;
  return MatchesPatternList(word, lists.astrExtraWordsToIgnore.patterns(),
                            lists.blnInvalidRegExpMet);
}

bool MatchesWordsFile(WordListState& lists, const Settings& settings, TextView word) {
  lists.blnInvalidRegExpMet = false;
  const int32_t n = lists.lngNumWordsToIgnore();
  if (n == 0) return false;
  if (settings.chkPatternMatchingInWordsToIgnoreFile) {
    return MatchesPatternList(word, lists.astrWordsToIgnore.patterns(), lists.blnInvalidRegExpMet);
  }
  return FindString(word, lists.astrWordsToIgnore.entries(), n).found;
}

}  // namespace velt
