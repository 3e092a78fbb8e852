#include "words/word_chars.h"

#include <algorithm>

namespace velt {
namespace {

bool IsAsciiLetter(unsigned b) {
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// The Latin-1 letters: 192-255 without the multiplication (215) and division (247) signs.
bool IsLatin1Letter(unsigned b) {
  return b >= 192 && b != 215 && b != 247;
}

StopFlags FlagsForStopChar(char16_t stop) {
  StopFlags flags;
  flags.semicolon = stop == u';';
  flags.period = stop == u'.';
  flags.doubleQuote = stop == u'"';
  flags.tab = stop == u'\t';
  flags.comma = stop == u',';
  return flags;
}

}  // namespace

bool IsWordChar(char16_t c, bool blnAllowNumeric, TextView strAllowedExtraChars) {
  const unsigned b = c & 0xFFu;
  if (IsAsciiLetter(b) || IsLatin1Letter(b)) return true;
  if (blnAllowNumeric && b >= '0' && b <= '9') return true;
  const char16_t asCp1252 = Cp1252ToChar(static_cast<unsigned char>(b));
  return strAllowedExtraChars.find(asCp1252) != TextView::npos;
}

WordCharTable::WordCharTable(bool blnAllowNumeric, TextView strAllowedExtraChars) {
  for (unsigned b = 0; b < isWordChar_.size(); ++b) {
    isWordChar_[b] = IsWordChar(static_cast<char16_t>(b), blnAllowNumeric, strAllowedExtraChars);
  }
}

int32_t NumAlpha2(TextView strStr, size_t lngPos, const WordCharTable& wordChars,
                  StopFlags& flags) {
  if (lngPos >= strStr.size()) {
    flags = StopFlags{};
    return 0;
  }
  const size_t limit = std::min(strStr.size(), lngPos + static_cast<size_t>(kMaxWordRun));
  size_t end = lngPos;
  while (end < limit && wordChars.Contains(strStr[end]))
    ++end;
  flags = end < strStr.size() ? FlagsForStopChar(strStr[end]) : StopFlags{};
  return static_cast<int32_t>(end - lngPos);
}

int32_t NumAlpha2(TextView strStr, size_t lngPos, bool blnAllowNumeric,
                  TextView strAllowedExtraChars, StopFlags& flags) {
  return NumAlpha2(strStr, lngPos, WordCharTable(blnAllowNumeric, strAllowedExtraChars), flags);
}

}  // namespace velt
