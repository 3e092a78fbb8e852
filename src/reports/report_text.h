// Small text helpers of the report code: line ends, trimming of spaces and
// right alignment. (Named apart from the helpers of other subsystems, as both
// live in namespace velt.)
#pragma once

#include "platform/text.h"

namespace velt {

inline constexpr TextView kLineEnd = u"\r\n";

// Trimming removes spaces only, never TABs or other characters.
inline TextView TrimmedOfSpaces(TextView text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

inline TextView RightTrimmedOfSpaces(TextView text) {
  const size_t last = text.find_last_not_of(u' ');
  return last == TextView::npos ? TextView() : text.substr(0, last + 1);
}

// Right-aligns text in a column of `width` characters; wider text stays whole.
inline Text RightAligned(TextView text, size_t width) {
  Text out;
  if (text.size() < width) out.assign(width - text.size(), u' ');
  out.append(text);
  return out;
}

inline bool EndsWithText(TextView text, TextView tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace velt
