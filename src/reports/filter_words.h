// Filter words: parsing the box and testing a phrase against the words in
// one of the three filter modes.
#pragma once

#include <vector>

#include "settings/settings.h"
#include "text/text.h"

namespace velt {

// Letters (lower case, with the accented ones), digits, apostrophe and hyphen.
bool IsFilterWordChar(char16_t c);

// The words of an already lower-cased text: runs of filter word characters;
// any other character separates words.
std::vector<Text> ParseFilterWords(TextView text);

// The words joined by single spaces.
Text JoinFilterWords(const std::vector<Text>& words);

// True when the phrase (lower-cased here) passes the filter mode. With no
// filter words every phrase passes.
bool PhraseMatchesFilter(TextView phrase, const std::vector<Text>& words, FilterMode mode);

// "all filter words", "all filter words in same order", "all filter words as
// a subphrase": the mode as the filtered report header names it.
TextView FilterModeText(FilterMode mode);

// The message of an alphabetical filtered listing in which nothing matched.
TextView NoMatchMessage(FilterMode mode, bool toFile);

// The same message of a listing by frequency, whatever the mode.
inline constexpr TextView kNoMatchByFrequency = u"No phrase containing filter word(s) found.";

}  // namespace velt
