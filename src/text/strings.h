// Small helpers on texts that every layer uses: the line end, trimming of
// spaces and alignment.
#pragma once

#include <vector>

#include "text/text.h"

namespace velt {

// The line end of the program's texts, windows and files.
inline constexpr TextView kLineEnd = u"\r\n";

// Trimming removes spaces only, never TABs or other characters.
inline TextView TrimmedOfSpaces(TextView text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

inline Text TrimSpaces(TextView text) {
  return Text(TrimmedOfSpaces(text));
}

inline TextView RightTrimmedOfSpaces(TextView text) {
  const size_t last = text.find_last_not_of(u' ');
  return last == TextView::npos ? TextView() : text.substr(0, last + 1);
}

inline bool EndsWith(TextView text, TextView suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Right-aligns text in a column of `width` characters; wider text stays whole.
inline Text RightAligned(TextView text, size_t width) {
  Text out;
  if (text.size() < width) out.assign(width - text.size(), u' ');
  out.append(text);
  return out;
}

// The pieces of text between runs of spaces.
std::vector<Text> SplitAtSpaces(TextView text);

// The pieces joined with single spaces.
Text JoinWithSpaces(const std::vector<Text>& pieces);

}  // namespace velt
