#include <gtest/gtest.h>

#include <random>

#include "platform/regex_engine.h"
#include "text/case_mapping.h"
#include "wordlists/compiled_pattern_list.h"
#include "wordlists/pattern_syntax.h"

namespace velt {
namespace {

bool Matches(TextView text, TextView pattern, bool caseSensitive = false) {
  bool invalid = false;
  return MatchesPattern(text, pattern, caseSensitive, invalid);
}

TEST(QuickVerdictTest, SettlesTheCasesItCan) {
  struct Case {
    const char16_t* pattern;
    const char16_t* text;
    QuickVerdict expected;
  };
  const Case cases[] = {
      {u"", u"a", QuickVerdict::NoMatch},
      {u"a", u"", QuickVerdict::NoMatch},
      {u"~", u"a~", QuickVerdict::NoMatch},  // a text with a wildcard never matches
      {u"~", u"a?", QuickVerdict::NoMatch},
      {u"a~?", u"abc", QuickVerdict::Undecided},
      {u"~", u"anything", QuickVerdict::Match},
      {u"?", u"x", QuickVerdict::Match},
      {u"?", u"xy", QuickVerdict::Undecided},
      {u"the", u"the", QuickVerdict::Match},
      {u"the", u"then", QuickVerdict::NoMatch},
      {u"a.c", u"abc", QuickVerdict::NoMatch},  // no wildcard: compared as it stands
      {u"wh~", u"what", QuickVerdict::Undecided}};
  for (const Case& c : cases) {
    EXPECT_EQ(QuickVerdictOf(c.pattern, c.text), c.expected)
        << ToUtf8(c.pattern) << " vs " << ToUtf8(c.text);
  }
  EXPECT_EQ(CollapseMultiWildcards(u"~~a~~~?~"), u"~a~?~");
}

TEST(MatchesPatternTest, WildcardsPartsCaseAndExpressions) {
  struct Case {
    const char16_t* text;
    const char16_t* pattern;
    bool expected;
  };
  const Case cases[] = {
      {u"what", u"wh~", true},
      {u"wh", u"wh~", true},
      {u"awh", u"wh~", false},
      {u"a", u"?", true},
      {u"ab", u"?", false},
      {u"running", u"~ing", true},
      {u"abc", u"~~?", true},
      {u"The", u"THE", true},
      {u"new+york", u"new+~", true},
      {u"new", u"new+~", false},
      {u"new+york", u"new", false},
      {u"new+york", u"old+~", false},
      // A text word holding a wildcard character never matches a wildcard entry.
      {u"wh~", u"wh~", false},
      {u"a?", u"~", false},
      // Once a wildcard makes an expression of the entry, "." and classes keep
      // their meaning; without one the entry is compared as it stands.
      {u"abcd", u"a.c~", true},
      {u"abc", u"a.c", false},
      {u"colours", u"colo[uv]r~", true},
      {u"colour", u"colou?r~", false},  // "?" is exactly one character
      {u"x", u"a(~", false},            // no valid expression: no match
      // Bracketed expressions match anywhere, "+" inside does not split, and
      // lower-casing leaves them alone (\D stays "not a digit").
      {u"b123", u"<\\b[A-Z]{1}[0-9]{3}>", true},
      {u"xx123", u"<\\d{3}>", true},
      {u"xx12", u"<^\\d{3}$>", false},
      {u"aab", u"<a+b>", true},
      {u"abc", u"<^\\D+$>", true},
      {u"123", u"<^\\D+$>", false},
      {u"<>", u"<>", true},  // too short for an expression: a plain entry
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Matches(c.text, c.pattern), c.expected)
        << ToUtf8(c.text) << " / " << ToUtf8(c.pattern);
  }
  EXPECT_FALSE(Matches(u"The", u"THE", true));
}

TEST(MatchesPatternTest, InvalidExpressionNeverMatchesAndIsReported) {
  bool invalid = false;
  EXPECT_FALSE(MatchesPattern(u"abc", u"<(abc>", false, invalid));
  EXPECT_TRUE(invalid);
  invalid = false;
  EXPECT_FALSE(MatchesPattern(u"abc", u"a(~", false, invalid));
  EXPECT_FALSE(invalid) << "only bracketed expressions count as invalid";
}

TEST(PatternListTest, InvalidEntryDoesNotStopTheOthers) {
  CompiledPatternList list({u"<(>", u"cat", u"<[>"});
  bool invalid = true;
  EXPECT_TRUE(MatchesPatternList(u"cat", list, invalid));
  EXPECT_TRUE(invalid);  // met before the match
  EXPECT_FALSE(MatchesPatternList(u"dog", list, invalid));
  EXPECT_TRUE(invalid);

  CompiledPatternList validFirst({u"cat", u"<(>"});
  EXPECT_TRUE(MatchesPatternList(u"CAT", validFirst, invalid));
  EXPECT_FALSE(invalid) << "reset at the start of the lookup; the match came first";
}

TEST(PatternListTest, EmptyWordAndCatastrophicPattern) {
  CompiledPatternList list({u"<^$>", u"~"});
  bool invalid = false;
  EXPECT_FALSE(MatchesPatternList(u"", list, invalid));

  CompiledPatternList runaway({u"<(a+)+$>", u"<^z>"});
  const Text word = Text(3000, u'a') + u'!';
  // The runaway entry fails at its match limit and the list goes on.
  EXPECT_FALSE(MatchesPatternList(word, runaway, invalid));
  EXPECT_TRUE(MatchesPatternList(u"zed", runaway, invalid));
}

// The lookup as the entries read: each tried in turn, expressions compiled
// on the spot. The compiled list files its entries by kind and first
// character; both must agree, down to the invalid-expression flag.
bool ReferenceMatch(TextView text, const std::vector<Text>& entries, bool& invalid) {
  invalid = false;
  if (text.empty()) return false;
  RegexEngine engine;
  const Text t = LowerCaseText(text);
  const std::vector<TextView> textParts = SplitPatternParts(t);
  for (const Text& raw : entries) {
    const Text entry = LowerCaseOutsideBrackets(raw);
    const std::vector<TextView> parts = SplitPatternParts(entry);
    if (parts.size() != textParts.size()) continue;
    bool all = true;
    for (size_t i = 0; i < parts.size() && all; ++i) {
      if (IsRegExpPart(parts[i])) {
        const std::optional<Regex> whole = Regex::Compile(parts[i], true);
        if (!whole || engine.Search(*whole, u"X") == RegexOutcome::Failed) {
          invalid = true;
          all = false;
          continue;
        }
        const std::optional<Regex> inner = Regex::Compile(InnerExpression(parts[i]), true);
        all = inner && engine.Search(*inner, textParts[i]) == RegexOutcome::Match;
        continue;
      }
      const Text collapsed = CollapseMultiWildcards(parts[i]);
      const QuickVerdict verdict = QuickVerdictOf(collapsed, textParts[i]);
      if (verdict != QuickVerdict::Undecided) {
        all = verdict == QuickVerdict::Match;
        continue;
      }
      const std::optional<Regex> anchored = Regex::Compile(WildcardToRegex(collapsed), true);
      all = anchored && engine.Search(*anchored, textParts[i]) == RegexOutcome::Match;
    }
    if (all) return true;
  }
  return false;
}

Text RandomText(std::mt19937& rng, TextView alphabet, size_t maxLength) {
  std::uniform_int_distribution<size_t> length(0, maxLength);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  Text text;
  for (size_t n = length(rng); n > 0; --n)
    text += alphabet[pick(rng)];
  return text;
}

TEST(PatternListTest, AgreesWithTheEntryByEntryLookup) {
  std::mt19937 rng(20240611);
  const std::vector<Text> fixedEntries = {u"<(>", u"<a+b>", u"<^[ab]{2}$>", u"<\\D>"};
  for (int round = 0; round < 300; ++round) {
    std::vector<Text> entries;
    for (int k = 0; k < 12; ++k)
      entries.push_back(RandomText(rng, u"abAB~~~??.*+|[]{}1\\", 4));
    entries.insert(entries.begin() + round % 13, fixedEntries[static_cast<size_t>(round) % 4]);
    CompiledPatternList list(entries);
    for (int w = 0; w < 20; ++w) {
      const Text word = RandomText(rng, u"abAB~+\n", 3);
      bool expectedInvalid = false;
      bool invalid = false;
      const bool expected = ReferenceMatch(word, entries, expectedInvalid);
      ASSERT_EQ(MatchesPatternList(word, list, invalid), expected) << ToUtf8(word);
      ASSERT_EQ(invalid, expectedInvalid) << ToUtf8(word);
    }
  }
}

}  // namespace
}  // namespace velt
