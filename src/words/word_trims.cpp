#include "words/word_trims.h"

#include <array>

#include "text/case_mapping.h"
#include "text/entities.h"
#include "words/word_char_sets.h"

namespace velt {

TextView TrimEntity(TextView runWithSemicolon) {
  const TextView run = runWithSemicolon.substr(0, runWithSemicolon.size() - 1);
  const size_t amp = run.find(u'&');
  if (amp == TextView::npos) return run;
  return IsEntityStart(runWithSemicolon.substr(amp)) > 0 ? run.substr(0, amp) : run;
}

TextView FinalTrim(TextView word) {
  while (!word.empty() && prohibitedEndChars.find(word.back()) != TextView::npos) {
    word.remove_suffix(1);
  }
  return word;
}

bool IsContractionFragment(TextView word) {
  // Only words shorter than the longest stem can occur in the stem text, and
  // every stem ends with "n"; this settles almost every word without a search.
  constexpr size_t kLongestFragment = 7;
  if (word.empty() || word.size() > kLongestFragment) return false;
  const char16_t last = LowerChar(word.back());
  if (word.size() == 1 && (last == u's' || last == u't')) return true;
  if (last != u'n') return false;
  std::array<char16_t, kLongestFragment + 1> lowered{};
  for (size_t k = 0; k < word.size(); ++k)
    lowered[k] = LowerChar(word[k]);
  lowered[word.size()] = u' ';
  return contractionStems.find(TextView(lowered.data(), word.size() + 1)) != TextView::npos;
}

}  // namespace velt
