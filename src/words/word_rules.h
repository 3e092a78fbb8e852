// The word characters currently admitted: the extra set chosen by the user (or
// the list-reading set) with its precomputed word-character and word-start tables.
#pragma once

#include <cstdint>

#include "settings/settings.h"
#include "text/text.h"
#include "words/word_chars.h"

namespace velt {

class WordRules {
 public:
  WordRules();  // no extra characters admitted

  // Rebuild the extra set from the settings: step 1 empties it and appends the
  // hyphen, apostrophe (with U+2018), underscore, colon, backslash, forward slash,
  // period, at-sign and numeral characters of the set boxes; step 2 appends the
  // parentheses, ampersand and comma. A count always runs both, in this order.
  void SetAllowedExtraChars1(const Settings& settings);
  void SetAllowedExtraChars2(const Settings& settings);

  // The set used while a words-to-ignore list is read: every optional character
  // plus the wildcards "~" and "?".
  void SetReadingExtraChars();

  void SetExtraWordChars(TextView chars);
  const Text& extraWordChars() const { return extraWordChars_; }

  // Word character under the current extra set (digits only through the set).
  bool IsWordChar(char16_t c) const { return wordChars_.Contains(c); }

  // A word may start here: a word character under the extra set without the
  // characters that may not start or end a word.
  bool IsWordStart(char16_t c) const { return wordStarts_.Contains(c); }

  int32_t NumAlpha2(TextView scanText, size_t scanPosition, StopFlags& flags) const {
    return velt::NumAlpha2(scanText, scanPosition, wordChars_, flags);
  }

 private:
  void RebuildTables();

  Text extraWordChars_;
  WordCharTable wordChars_;
  WordCharTable wordStarts_;
};

}  // namespace velt
