#include "wordlists/pattern_syntax.h"

#include "text/case_mapping.h"

namespace velt {
namespace {

// The characters with a meaning in an expression, and the line feed, which no
// wildcard matches.
constexpr TextView kRegexMetaChars = u"\\^$.|()[]{}*+\n";
constexpr char16_t kLineFeed = u'\n';

}  // namespace

std::vector<TextView> SplitPatternParts(TextView text) {
  std::vector<TextView> parts;
  bool inBrackets = false;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'<') {
      inBrackets = true;
    } else if (c == u'>') {
      inBrackets = false;
    } else if (c == kPartSeparator && !inBrackets) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool IsRegExpPart(TextView part) {
  return part.size() > 2 && part.front() == u'<' && part.back() == u'>';
}

Text LowerCaseOutsideBrackets(TextView text) {
  Text out(text);
  size_t i = 0;
  while (i < out.size()) {
    if (out[i] == u'<') {
      const size_t close = out.find(u'>', i + 1);
      if (close != Text::npos) {
        i = close + 1;
        continue;
      }
    }
    out[i] = LowerChar(out[i]);
    ++i;
  }
  return out;
}

Text CollapseMultiWildcards(TextView pattern) {
  Text out;
  out.reserve(pattern.size());
  for (const char16_t c : pattern) {
    if (c == kMultiWildcard && !out.empty() && out.back() == kMultiWildcard) continue;
    out.push_back(c);
  }
  return out;
}

bool HasWildcard(TextView text) {
  return text.find_first_of(u"~?") != TextView::npos;
}

QuickVerdict QuickVerdictOf(TextView collapsedPattern, TextView text) {
  if (collapsedPattern.empty() || text.empty()) return QuickVerdict::NoMatch;
  if (HasWildcard(text)) return QuickVerdict::NoMatch;
  if (collapsedPattern.find(u"~?") != TextView::npos) return QuickVerdict::Undecided;
  if (collapsedPattern == u"~") return QuickVerdict::Match;
  if (collapsedPattern == u"?" && text.size() == 1) return QuickVerdict::Match;
  if (!HasWildcard(collapsedPattern)) {
    return collapsedPattern == text ? QuickVerdict::Match : QuickVerdict::NoMatch;
  }
  return QuickVerdict::Undecided;
}

Text WildcardToRegex(TextView collapsedPattern) {
  Text out = u"^";
  for (const char16_t c : collapsedPattern) {
    if (c == kMultiWildcard) {
      out += u".*";
    } else if (c == kSingleWildcard) {
      out += u'.';
    } else {
      out += c;
    }
  }
  out += u'$';
  return out;
}

bool HasRegexMetaChar(TextView pattern) {
  return pattern.find_first_of(kRegexMetaChars) != TextView::npos;
}

bool GlobMatches(TextView pattern, TextView text) {
  // No wildcard matches a line feed and the pattern holds none.
  if (text.find(kLineFeed) != TextView::npos) return false;
  // Greedy scan remembering the last "~": on a mismatch, let that "~" take
  // one more character and retry. Linear in practice, O(n*m) at worst.
  size_t p = 0;
  size_t t = 0;
  size_t starP = TextView::npos;
  size_t starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == kMultiWildcard) {
      starP = p++;
      starT = t;
    } else if (p < pattern.size() && (pattern[p] == text[t] || pattern[p] == kSingleWildcard)) {
      ++p;
      ++t;
    } else if (starP != TextView::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == kMultiWildcard)
    ++p;
  return p == pattern.size();
}

bool WildcardPartMatches(TextView collapsedPattern, TextView text) {
  const QuickVerdict verdict = QuickVerdictOf(collapsedPattern, text);
  return verdict == QuickVerdict::Match ||
         (verdict == QuickVerdict::Undecided && GlobMatches(collapsedPattern, text));
}

}  // namespace velt
