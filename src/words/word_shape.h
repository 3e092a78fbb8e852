// Word-shape rules: words that phrase assembly treats as words to ignore (or,
// for the seven-bit rule, drops), judged on the lower-cased word.
#pragma once

#include "settings/settings.h"
#include "text/text.h"

namespace velt {

// ignoreShortWords is set and the word has fewer characters than the short size.
bool IsShortWord(TextView word, const Settings& settings);

// The word has more characters than the long size (always in force).
bool IsLongWord(TextView word, const Settings& settings);

// ignoreRepetitions is set and, upper-cased, the word holds four equal
// letters in a row ("brrrr"; not "1111" or "a-a-a-a").
bool HasFourRepeatedLetters(TextView word, const Settings& settings);

// ignoreWordsWithoutLetter is set and no character of the word is a letter (an empty
// word lacks one).
bool LacksLetter(TextView word, const Settings& settings);

// The four rules above in their order: whether the word's shape makes it a word
// to ignore.
bool HasIgnoredShape(TextView word, const Settings& settings);

// only7BitAscii is set and some character's low byte is 128 or more.
bool FailsSevenBitTest(TextView word, const Settings& settings);

}  // namespace velt
