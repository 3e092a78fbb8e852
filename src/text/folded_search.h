// Case-insensitive search without building folded copies of long lines.
#pragma once

#include <cstddef>

#include "text/text.h"

namespace velt {

// True when needle occurs in text at pos, comparing both folded character by
// character (fold is a one-to-one case mapping such as LowerChar).
template <typename Fold>
bool MatchesFoldedAt(TextView text, size_t pos, TextView needle, Fold fold) {
  if (pos > text.size() || text.size() - pos < needle.size()) return false;
  for (size_t k = 0; k < needle.size(); ++k) {
    if (fold(text[pos + k]) != fold(needle[k])) return false;
  }
  return true;
}

// First position at or after from where needle occurs in text, both folded, or
// npos. Needles are short markers, so the naive search stays linear in text.
template <typename Fold>
size_t FindFolded(TextView text, TextView needle, size_t from, Fold fold) {
  if (needle.empty()) return from <= text.size() ? from : TextView::npos;
  if (text.size() < needle.size()) return TextView::npos;
  const char16_t first = fold(needle[0]);
  const size_t last = text.size() - needle.size();
  for (size_t pos = from; pos <= last; ++pos) {
    if (fold(text[pos]) == first && MatchesFoldedAt(text, pos, needle, fold)) return pos;
  }
  return TextView::npos;
}

}  // namespace velt
