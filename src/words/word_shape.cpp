#include "words/word_shape.h"

#include <algorithm>

#include "text/case_mapping.h"
#include "words/word_char_sets.h"

namespace velt {
namespace {

// Upper-cases the letters of LETTERS only, so that no other character can turn
// into one of the capitals.
char16_t UpperLetter(char16_t c) {
  return kLetterSet.Contains(c) ? UpperChar(c) : c;
}

}  // namespace

bool IsShortWord(TextView word, const Settings& settings) {
  return settings.ignoreShortWords && word.size() < static_cast<size_t>(settings.ShortWordSize());
}

bool IsLongWord(TextView word, const Settings& settings) {
  return word.size() > static_cast<size_t>(settings.LongWordSize());
}

bool HasFourRepeatedLetters(TextView word, const Settings& settings) {
  if (!settings.ignoreRepetitions || word.size() <= 3) return false;
  char16_t previous = 0;
  int runLength = 0;
  for (const char16_t c : word) {
    const char16_t upper = UpperLetter(c);
    runLength = upper == previous ? runLength + 1 : 1;
    previous = upper;
    if (runLength == 4 && kUpperLetterSet.Contains(upper)) return true;
  }
  return false;
}

bool LacksLetter(TextView word, const Settings& settings) {
  return settings.ignoreWordsWithoutLetter &&
         std::none_of(word.begin(), word.end(), [](char16_t c) { return kLetterSet.Contains(c); });
}

bool HasIgnoredShape(TextView word, const Settings& settings) {
  return IsShortWord(word, settings) || IsLongWord(word, settings) ||
         HasFourRepeatedLetters(word, settings) || LacksLetter(word, settings);
}

bool FailsSevenBitTest(TextView word, const Settings& settings) {
  return settings.only7BitAscii &&
         std::any_of(word.begin(), word.end(), [](char16_t c) { return (c & 0xFF) >= 128; });
}

}  // namespace velt
