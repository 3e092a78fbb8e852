// A words-to-ignore list prepared for pattern matching: every entry is
// classified and its expressions compiled once, when the list is loaded or
// the extra words are committed, so that a lookup compiles nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/regex_engine.h"
#include "text/text.h"
#include "wordlists/glob_index.h"

namespace velt {

class CompiledPatternList {
 public:
  CompiledPatternList();
  // Prepares entries (in list order) for matching. Unless caseSensitive, the
  // entries are lower-cased outside angle brackets and the looked-up texts
  // with LowerCaseText, and expressions match caselessly.
  explicit CompiledPatternList(const std::vector<Text>& entries, bool caseSensitive = false);

  CompiledPatternList(CompiledPatternList&&) noexcept;
  CompiledPatternList& operator=(CompiledPatternList&&) noexcept;
  ~CompiledPatternList();

  size_t size() const { return numEntries_; }
  bool empty() const { return numEntries_ == 0; }

  // The answer of trying the entries in list order with MatchesPattern: true
  // when one matches. Sets invalidExpressionMet when an entry whose regular
  // expression is invalid is tried (before the first match); such an entry
  // never matches and the entries after it are still tried.
  bool Matches(TextView text, bool& invalidExpressionMet);

 private:
  enum class PartKind {
    Never,          // an empty part
    Exact,          // no wildcard: equal to the text
    Glob,           // wildcards and no expression characters
    WildcardRegex,  // wildcards among expression characters: anchored expression
    RegExp,         // "<...>" whose expression is valid
    InvalidRegExp,  // "<...>" that is not a valid expression
  };
  struct Part {
    PartKind kind = PartKind::Never;
    Text pattern;    // the exact text or the collapsed wildcard pattern
    int regex = -1;  // index into regexes_; -1 when the expression cannot compile
  };
  struct MultiPartEntry {
    uint32_t index = 0;
    std::vector<Part> parts;
  };
  struct IndexedPattern {
    Text pattern;
    uint32_t index = 0;
  };
  // One-part entries that need an expression (or are invalid ones), in list
  // order, with the first and last characters a match requires when the
  // pattern shows them (0 when it does not).
  struct RegexEntry {
    uint32_t index = 0;
    PartKind kind = PartKind::Never;
    int regex = -1;
    char16_t requiredFirst = 0;
    char16_t requiredLast = 0;
  };

  Part Classify(TextView part);
  bool MatchesOnePart(TextView text, bool& invalidExpressionMet);
  bool MatchesParts(const std::vector<TextView>& textParts, bool& invalidExpressionMet);
  bool PartMatches(const Part& part, TextView textPart, bool& invalidExpressionMet);
  bool RegexFound(int regex, TextView text);

  bool caseSensitive_ = false;
  size_t numEntries_ = 0;
  RegexEngine engine_;
  std::vector<Regex> regexes_;

  // One-part entries, by kind. Plain words are found by binary search, glob
  // patterns through their index.
  std::vector<IndexedPattern> exact_;  // sorted by pattern, first index only
  GlobIndex globs_;
  std::vector<RegexEntry> regexEntries_;
  std::vector<MultiPartEntry> multiPartEntries_;
};

// Whether text matches pattern (one entry), case-insensitively unless
// caseSensitive. Compiles the pattern for this one call.
bool MatchesPattern(TextView text, TextView pattern, bool caseSensitive,
                    bool& invalidExpressionMet);

// The lookup of one word in a list: false for an empty word; otherwise the
// entries are tried in order, case-insensitively. invalidExpressionMet is
// reset first, so it tells about this lookup only.
bool MatchesPatternList(TextView word, CompiledPatternList& list, bool& invalidExpressionMet);

}  // namespace velt
