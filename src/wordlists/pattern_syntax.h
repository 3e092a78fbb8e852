// The syntax of words-to-ignore entries.
//
// An entry is a plain word, a wildcard pattern ("~" any run of characters,
// also none; "?" exactly one character), or a regular expression in angle
// brackets ("<\b[a-z]\d{3}>"). Several parts may be joined by "+"; a "+"
// between "<" and ">" does not split.
#pragma once

#include <vector>

#include "text/text.h"

namespace velt {

inline constexpr char16_t kMultiWildcard = u'~';
inline constexpr char16_t kSingleWildcard = u'?';
inline constexpr char16_t kPartSeparator = u'+';

// The parts of text, split at every "+" outside angle brackets.
std::vector<TextView> SplitPatternParts(TextView text);

// A regular-expression part: longer than two characters, "<" first, ">" last.
bool IsRegExpPart(TextView part);

// The expression between the brackets of a regular-expression part.
inline TextView InnerExpression(TextView regExpPart) {
  return regExpPart.substr(1, regExpPart.size() - 2);
}

// Lower-cases text with LowerCaseText except inside "<...>" stretches, so the
// escapes of a regular expression (\D \S \W \B) keep their meaning.
Text LowerCaseOutsideBrackets(TextView text);

// pattern with every run of "~" collapsed to one "~".
Text CollapseMultiWildcards(TextView pattern);

bool HasWildcard(TextView text);

enum class QuickVerdict { NoMatch, Match, Undecided };

// The verdict on a wildcard part (already collapsed) against a text part that
// settles most entries without a regular expression.
QuickVerdict QuickVerdictOf(TextView collapsedPattern, TextView text);

// The anchored regular expression of a wildcard part: "~" becomes ".*", "?"
// becomes "."; every other character keeps its regular-expression meaning.
Text WildcardToRegex(TextView collapsedPattern);

// True when pattern holds a character with a regular-expression meaning. A
// wildcard part without one can be matched by GlobMatches instead. A line feed
// counts as such a character.
bool HasRegexMetaChar(TextView pattern);

// Whole-text match of a wildcard pattern free of regular-expression
// characters; the same answer as its WildcardToRegex expression (wildcards
// never match a line feed, which a word never holds anyway).
bool GlobMatches(TextView pattern, TextView text);

// A wildcard part free of expression characters against a text part: the
// quick verdict, and GlobMatches where it leaves the answer open.
bool WildcardPartMatches(TextView collapsedPattern, TextView text);

}  // namespace velt
