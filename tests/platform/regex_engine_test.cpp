#include <gtest/gtest.h>

#include "platform/regex_engine.h"
#include "text/text.h"

namespace velt {
namespace {

RegexOutcome Search(TextView pattern, TextView subject, bool caseless = true) {
  const std::optional<Regex> regex = Regex::Compile(pattern, caseless);
  EXPECT_TRUE(regex.has_value()) << "pattern must compile";
  if (!regex) return RegexOutcome::Failed;
  RegexEngine engine;
  return engine.Search(*regex, subject);
}

TEST(RegexEngineTest, InvalidExpressionsDoNotCompile) {
  for (const TextView bad : {u"(", u"a)", u"[a-", u"*a", u"a{2,1}", u"\\"}) {
    EXPECT_FALSE(Regex::Compile(bad, true).has_value()) << ToUtf8(bad);
  }
}

TEST(RegexEngineTest, MatchesAnywhereWithAsciiClassesAndEcmaEscapes) {
  EXPECT_EQ(Search(u"\\b[a-z]\\d{3}", u"x b123"), RegexOutcome::Match);
  EXPECT_EQ(Search(u"(x)(y)(z)", u"--xyz"), RegexOutcome::Match);  // more groups than offsets kept
  EXPECT_EQ(Search(u"^abc$", u"xabc"), RegexOutcome::NoMatch);
  // \u and \x are written as in ECMAScript.
  EXPECT_EQ(Search(u"caf\\u00e9", u"café"), RegexOutcome::Match);
  EXPECT_EQ(Search(u"\\x41", u"A", false), RegexOutcome::Match);
  // No Unicode properties: \w is ASCII only, so an accented letter is not a word character.
  EXPECT_EQ(Search(u"^\\w+$", u"é"), RegexOutcome::NoMatch);
  EXPECT_EQ(Search(u"ABC", u"abc", true), RegexOutcome::Match);
  EXPECT_EQ(Search(u"ABC", u"abc", false), RegexOutcome::NoMatch);
  EXPECT_EQ(Search(u"É", u"é", true), RegexOutcome::NoMatch) << "caseless folds ASCII only";
  // "$" matches only at the very end, not before a final line feed.
  EXPECT_EQ(Search(u"^abc$", u"abc\n"), RegexOutcome::NoMatch);
}

// The match limit ends a runaway expression as a failure (how quickly is
// measured by bench/wordlists_bench).
TEST(RegexEngineTest, CatastrophicBacktrackingEndsAsFailure) {
  const Text word = Text(5000, u'a') + u'!';
  EXPECT_EQ(Search(u"(a+)+$", word), RegexOutcome::Failed);
}

}  // namespace
}  // namespace velt
