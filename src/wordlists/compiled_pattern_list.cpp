#include "wordlists/compiled_pattern_list.h"

#include <algorithm>
#include <limits>

#include "text/case_mapping.h"
#include "wordlists/pattern_syntax.h"

namespace velt {
namespace {

constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

// A regular-expression part counts as valid when the whole part, brackets
// included, compiles and runs once against "X".
bool IsValidRegExpPart(RegexEngine& engine, TextView part) {
  const std::optional<Regex> whole = Regex::Compile(part, true);
  return whole && engine.Search(*whole, u"X") != RegexOutcome::Failed;
}

// A character that stands for itself in a wildcard pattern turned expression.
bool IsLiteral(char16_t c) {
  return c != kMultiWildcard && c != kSingleWildcard && !HasRegexMetaChar(TextView(&c, 1));
}

// The character every match starts with, when the pattern's first character
// is a literal that no quantifier makes optional and no alternation bypasses.
char16_t RequiredFirstChar(TextView pattern) {
  if (pattern.empty() || pattern.find(u'|') != TextView::npos || !IsLiteral(pattern[0])) return 0;
  if (pattern.size() > 1 && (pattern[1] == u'*' || pattern[1] == u'{')) return 0;
  return pattern[0];
}

// The character every match ends with, when the pattern ends with a literal;
// patterns with escapes or alternation are left alone.
char16_t RequiredLastChar(TextView pattern) {
  if (pattern.empty() || pattern.find_first_of(u"|\\") != TextView::npos) return 0;
  return IsLiteral(pattern.back()) ? pattern.back() : 0;
}

bool NeedsLowering(TextView text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return LowerChar(c) != c; });
}

// A wildcard or plain part only matches a non-empty text part free of wildcards.
bool AcceptableForWildcards(TextView text) {
  return !text.empty() && !HasWildcard(text);
}

}  // namespace

CompiledPatternList::CompiledPatternList() = default;
CompiledPatternList::CompiledPatternList(CompiledPatternList&&) noexcept = default;
CompiledPatternList& CompiledPatternList::operator=(CompiledPatternList&&) noexcept = default;
CompiledPatternList::~CompiledPatternList() = default;

CompiledPatternList::CompiledPatternList(const std::vector<Text>& entries, bool caseSensitive)
    : caseSensitive_(caseSensitive), numEntries_(entries.size()) {
  for (uint32_t index = 0; index < entries.size(); ++index) {
    const Text entry = caseSensitive ? entries[index] : LowerCaseOutsideBrackets(entries[index]);
    const std::vector<TextView> parts = SplitPatternParts(entry);
    if (parts.size() > 1) {
      MultiPartEntry multi{index, {}};
      for (const TextView part : parts)
        multi.parts.push_back(Classify(part));
      multiPartEntries_.push_back(std::move(multi));
      continue;
    }
    Part part = Classify(parts.front());
    switch (part.kind) {
      case PartKind::Never:
        break;
      case PartKind::Exact:
        exact_.push_back({std::move(part.pattern), index});
        break;
      case PartKind::Glob:
        globs_.Add(std::move(part.pattern), index);
        break;
      case PartKind::WildcardRegex:
        regexEntries_.push_back({index, part.kind, part.regex, RequiredFirstChar(part.pattern),
                                 RequiredLastChar(part.pattern)});
        break;
      case PartKind::RegExp:
      case PartKind::InvalidRegExp:
        regexEntries_.push_back({index, part.kind, part.regex, 0, 0});
        break;
    }
  }
  // Equal plain entries: the first in list order decides.
  std::stable_sort(
      exact_.begin(), exact_.end(),
      [](const IndexedPattern& a, const IndexedPattern& b) { return a.pattern < b.pattern; });
  exact_.erase(std::unique(exact_.begin(), exact_.end(),
                           [](const IndexedPattern& a, const IndexedPattern& b) {
                             return a.pattern == b.pattern;
                           }),
               exact_.end());
}

CompiledPatternList::Part CompiledPatternList::Classify(TextView part) {
  const bool caseless = !caseSensitive_;
  if (IsRegExpPart(part)) {
    if (!IsValidRegExpPart(engine_, part)) return {PartKind::InvalidRegExp, {}, -1};
    std::optional<Regex> inner = Regex::Compile(InnerExpression(part), caseless);
    if (!inner) return {PartKind::RegExp, {}, -1};
    regexes_.push_back(std::move(*inner));
    return {PartKind::RegExp, {}, static_cast<int>(regexes_.size() - 1)};
  }
  Text collapsed = CollapseMultiWildcards(part);
  if (collapsed.empty()) return {PartKind::Never, {}, -1};
  if (!HasWildcard(collapsed)) return {PartKind::Exact, std::move(collapsed), -1};
  if (!HasRegexMetaChar(collapsed)) return {PartKind::Glob, std::move(collapsed), -1};
  std::optional<Regex> anchored = Regex::Compile(WildcardToRegex(collapsed), caseless);
  if (!anchored) return {PartKind::WildcardRegex, std::move(collapsed), -1};
  regexes_.push_back(std::move(*anchored));
  return {PartKind::WildcardRegex, std::move(collapsed), static_cast<int>(regexes_.size() - 1)};
}

bool CompiledPatternList::Matches(TextView text, bool& invalidExpressionMet) {
  if (numEntries_ == 0) return false;
  Text lowered;
  if (!caseSensitive_ && NeedsLowering(text)) {
    lowered = LowerCaseText(text);
    text = lowered;
  }
  // A word never holds "+": the common case needs no splitting.
  if (text.find(kPartSeparator) == TextView::npos)
    return MatchesOnePart(text, invalidExpressionMet);
  const std::vector<TextView> textParts = SplitPatternParts(text);
  if (textParts.size() == 1) return MatchesOnePart(text, invalidExpressionMet);
  return MatchesParts(textParts, invalidExpressionMet);
}

bool CompiledPatternList::MatchesOnePart(TextView text, bool& invalidExpressionMet) {
  uint32_t best = kNone;
  if (AcceptableForWildcards(text)) {
    const auto found = std::lower_bound(
        exact_.begin(), exact_.end(), text,
        [](const IndexedPattern& entry, TextView t) { return TextView(entry.pattern) < t; });
    if (found != exact_.end() && found->pattern == text) best = found->index;
    best = std::min(best, globs_.FirstMatch(text, best));
  }
  for (const RegexEntry& entry : regexEntries_) {
    if (entry.index >= best) break;
    if (entry.kind == PartKind::InvalidRegExp) {
      invalidExpressionMet = true;
      continue;
    }
    if (entry.kind == PartKind::WildcardRegex &&
        (!AcceptableForWildcards(text) ||
         (entry.requiredFirst != 0 && text.front() != entry.requiredFirst) ||
         (entry.requiredLast != 0 && text.back() != entry.requiredLast))) {
      continue;
    }
    if (RegexFound(entry.regex, text)) return true;
  }
  return best != kNone;
}

bool CompiledPatternList::MatchesParts(const std::vector<TextView>& textParts,
                                       bool& invalidExpressionMet) {
  for (const MultiPartEntry& entry : multiPartEntries_) {
    if (entry.parts.size() != textParts.size()) continue;
    bool all = true;
    for (size_t i = 0; i < textParts.size() && all; ++i) {
      all = PartMatches(entry.parts[i], textParts[i], invalidExpressionMet);
    }
    if (all) return true;
  }
  return false;
}

bool CompiledPatternList::PartMatches(const Part& part, TextView textPart,
                                      bool& invalidExpressionMet) {
  switch (part.kind) {
    case PartKind::Never:
      return false;
    case PartKind::Exact:
      return AcceptableForWildcards(textPart) && part.pattern == textPart;
    case PartKind::Glob:
      return WildcardPartMatches(part.pattern, textPart);
    case PartKind::WildcardRegex:
      return AcceptableForWildcards(textPart) && RegexFound(part.regex, textPart);
    case PartKind::RegExp:
      return RegexFound(part.regex, textPart);
    case PartKind::InvalidRegExp:
      invalidExpressionMet = true;
      return false;
  }
  return false;
}

bool CompiledPatternList::RegexFound(int regex, TextView text) {
  if (regex < 0) return false;
  return engine_.Search(regexes_[static_cast<size_t>(regex)], text) == RegexOutcome::Match;
}

bool MatchesPattern(TextView text, TextView pattern, bool caseSensitive,
                    bool& invalidExpressionMet) {
  CompiledPatternList single({Text(pattern)}, caseSensitive);
  return single.Matches(text, invalidExpressionMet);
}

bool MatchesPatternList(TextView word, CompiledPatternList& list, bool& invalidExpressionMet) {
  invalidExpressionMet = false;
  if (word.empty()) return false;
  return list.Matches(word, invalidExpressionMet);
}

}  // namespace velt
