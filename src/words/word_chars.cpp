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

bool IsWordChar(char16_t c, bool allowNumerals, TextView allowedExtraChars) {
  const unsigned b = c & 0xFFu;
  if (IsAsciiLetter(b) || IsLatin1Letter(b)) return true;
  if (allowNumerals && b >= '0' && b <= '9') return true;
  const char16_t asCp1252 = Cp1252ToChar(static_cast<unsigned char>(b));
  return allowedExtraChars.find(asCp1252) != TextView::npos;
}

WordCharTable::WordCharTable(bool allowNumerals, TextView allowedExtraChars) {
  for (unsigned b = 0; b < isWordChar_.size(); ++b) {
    isWordChar_[b] = IsWordChar(static_cast<char16_t>(b), allowNumerals, allowedExtraChars);
  }
}

int32_t NumAlpha2(TextView scanText, size_t scanPosition, const WordCharTable& wordChars,
                  StopFlags& flags) {
  if (scanPosition >= scanText.size()) {
    flags = StopFlags{};
    return 0;
  }
  const size_t limit = std::min(scanText.size(), scanPosition + static_cast<size_t>(kMaxWordRun));
  size_t end = scanPosition;
  while (end < limit && wordChars.Contains(scanText[end]))
    ++end;
  flags = end < scanText.size() ? FlagsForStopChar(scanText[end]) : StopFlags{};
  return static_cast<int32_t>(end - scanPosition);
}

int32_t NumAlpha2(TextView scanText, size_t scanPosition, bool allowNumerals,
                  TextView allowedExtraChars, StopFlags& flags) {
  return NumAlpha2(scanText, scanPosition, WordCharTable(allowNumerals, allowedExtraChars), flags);
}

}  // namespace velt
