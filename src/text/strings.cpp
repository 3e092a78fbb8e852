#include "text/strings.h"

#include <algorithm>

namespace velt {

std::vector<Text> SplitAtSpaces(TextView text) {
  std::vector<Text> items;
  size_t at = 0;
  while (at < text.size()) {
    const size_t start = text.find_first_not_of(u' ', at);
    if (start == TextView::npos) break;
    const size_t end = std::min(text.find(u' ', start), text.size());
    items.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return items;
}

Text JoinWithSpaces(const std::vector<Text>& pieces) {
  Text joined;
  for (const Text& piece : pieces) {
    if (!joined.empty()) joined += u' ';
    joined += piece;
  }
  return joined;
}

}  // namespace velt
