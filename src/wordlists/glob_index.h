// The wildcard entries of a list that need no regular expression, filed so
// that a lookup tries only the few that can match the word. With 200 mixed
// wildcard entries, trying every entry took about 7 us per lookup; filed by
// first, last or rarest character, about 2 us (bench/wordlists_bench.cpp).
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "text/text.h"

namespace velt {

class GlobIndex {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  // pattern: a collapsed wildcard pattern free of expression characters;
  // index: its position in the list. Add in list order.
  void Add(Text pattern, uint32_t index);

  // The list position of the first pattern matching text (non-empty, without
  // wildcards), considering positions below `below` only; kNone when none.
  uint32_t FirstMatch(TextView text, uint32_t below);

 private:
  struct Glob {
    Text pattern;
    uint32_t index = 0;
    size_t minLength = 0;      // characters other than "~"
    bool fixedLength = false;  // no "~": the text has exactly minLength characters
  };
  using Bucket = std::vector<uint32_t>;  // positions in globs_, ascending

  void Collect(const std::unordered_map<char16_t, Bucket>& buckets, char16_t c);

  std::vector<Glob> globs_;
  // A pattern that starts with a character is filed under it; else one that
  // ends with a character under that; else under the rarest character it
  // holds. Only patterns made of wildcards alone are tried for every word.
  std::unordered_map<char16_t, Bucket> byFirst_;
  std::unordered_map<char16_t, Bucket> byLast_;
  std::unordered_map<char16_t, Bucket> byContained_;
  Bucket everyWord_;
  Bucket candidates_;  // scratch of FirstMatch
};

}  // namespace velt
