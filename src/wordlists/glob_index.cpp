#include "wordlists/glob_index.h"

#include <algorithm>

#include "wordlists/pattern_syntax.h"

namespace velt {
namespace {

bool IsWildcard(char16_t c) {
  return c == kMultiWildcard || c == kSingleWildcard;
}

// Letters from the most to the least frequent in running text (English as a
// rough guide): filing a pattern under its rarest letter keeps buckets short.
constexpr TextView kLetterFrequencyOrder = u"etaoinshrdlcumwfgypbvkjxqz";

size_t Rarity(char16_t c) {
  const size_t rank = kLetterFrequencyOrder.find(c);
  return rank == TextView::npos ? kLetterFrequencyOrder.size() : rank;
}

}  // namespace

void GlobIndex::Add(Text pattern, uint32_t index) {
  const auto position = static_cast<uint32_t>(globs_.size());
  const char16_t first = pattern.front();
  const char16_t last = pattern.back();
  if (!IsWildcard(first)) {
    byFirst_[first].push_back(position);
  } else if (!IsWildcard(last)) {
    byLast_[last].push_back(position);
  } else {
    char16_t rarest = 0;
    for (const char16_t c : pattern) {
      if (!IsWildcard(c) && (rarest == 0 || Rarity(c) > Rarity(rarest))) rarest = c;
    }
    if (rarest == 0) {
      everyWord_.push_back(position);
    } else {
      byContained_[rarest].push_back(position);
    }
  }
  const auto multis =
      static_cast<size_t>(std::count(pattern.begin(), pattern.end(), kMultiWildcard));
  const size_t minLength = pattern.size() - multis;
  globs_.push_back({std::move(pattern), index, minLength, multis == 0});
}

void GlobIndex::Collect(const std::unordered_map<char16_t, Bucket>& buckets, char16_t c) {
  const auto found = buckets.find(c);
  if (found != buckets.end())
    candidates_.insert(candidates_.end(), found->second.begin(), found->second.end());
}

uint32_t GlobIndex::FirstMatch(TextView text, uint32_t below) {
  if (globs_.empty() || text.empty()) return kNone;
  candidates_.assign(everyWord_.begin(), everyWord_.end());
  Collect(byFirst_, text.front());
  Collect(byLast_, text.back());
  if (!byContained_.empty()) {
    for (size_t i = 0; i < text.size(); ++i) {
      // Each distinct character once.
      if (TextView(text.data(), i).find(text[i]) == TextView::npos) Collect(byContained_, text[i]);
    }
  }
  // Positions in globs_ follow list order: try the candidates in that order.
  std::sort(candidates_.begin(), candidates_.end());
  for (const uint32_t position : candidates_) {
    const Glob& glob = globs_[position];
    if (glob.index >= below) break;
    if (text.size() < glob.minLength || (glob.fixedLength && text.size() != glob.minLength)) {
      continue;
    }
    if (WildcardPartMatches(glob.pattern, text)) return glob.index;
  }
  return kNone;
}

}  // namespace velt
