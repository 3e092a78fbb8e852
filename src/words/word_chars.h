// What a word character is, and how far a run of them reaches.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "text/text.h"
#include "words/word_sink.h"

namespace velt {

// Longest run NumAlpha2 reports; a longer run continues as the next word.
inline constexpr int32_t kMaxWordRun = 65000;

// The word-character test. Only the low byte of c counts: letters A-Z and a-z,
// the Latin-1 letters (not the multiplication and division signs), digits when
// allowNumerals, and any byte whose Windows-1252 character is in
// allowedExtraChars. So U+0152 (low byte "R") is a word character and U+2018
// is not, while an admitted U+2018 admits every character with low byte 145.
bool IsWordChar(char16_t c, bool allowNumerals, TextView allowedExtraChars);

// IsWordChar for one digits flag and extra set, precomputed for all 256 low bytes.
class WordCharTable {
 public:
  WordCharTable() = default;  // nothing is a word character
  WordCharTable(bool allowNumerals, TextView allowedExtraChars);

  bool Contains(char16_t c) const { return isWordChar_[c & 0xFF]; }

 private:
  std::array<bool, 256> isWordChar_{};
};

// Length of the run of word characters of scanText starting at index scanPosition (at
// most kMaxWordRun); flags tell which character follows the run (all false at the
// end of the text).
int32_t NumAlpha2(TextView scanText, size_t scanPosition, const WordCharTable& wordChars,
                  StopFlags& flags);

// The same for a digits flag and extra set given directly.
int32_t NumAlpha2(TextView scanText, size_t scanPosition, bool allowNumerals,
                  TextView allowedExtraChars, StopFlags& flags);

}  // namespace velt
