#include <gtest/gtest.h>

#include "words/word_chars.h"
#include "words/word_rules.h"
#include "words/word_shape.h"
#include "words/word_trims.h"

namespace velt {
namespace {

TEST(WordCharTest, JudgesTheLowByteOnly) {
  struct Case {
    char16_t c;
    bool allowNumeric;
    const char16_t* extra;
    bool expected;
  };
  const Case cases[] = {
      {u'é', false, u"", true},
      {u'\u00D7', false, u"", false},  // multiplication sign
      {u'\u0152', false, u"", true},
      {u'\u2019', false, u"'", false},  // low bytes "R", 25
      {u'\u2026', false, u"", false},
      {u'\u2026', false, u"&", true},  // low byte "&"
      {u'7', false, u"", false},
      {u'7', true, u"", true},
      {u'\u2018', false, u"\u2018", false},  // its low byte 24 is no letter
      {u'\u0191', false, u"\u2018", true},   // low byte 145 is U+2018 in Windows-1252
      {u'\0', false, u"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWordChar(c.c, c.allowNumeric, c.extra), c.expected) << std::hex << int{c.c};
    EXPECT_EQ(WordCharTable(c.allowNumeric, c.extra).Contains(c.c), c.expected);
  }
}

TEST(WordRulesTest, ExtraSetAndWordStarts) {
  Settings s;
  for (bool* box : s.SettingsCheckboxes())
    *box = true;
  WordRules rules;
  rules.SetAllowedExtraChars1(s);
  EXPECT_EQ(rules.extraWordChars(), u"-'\u2018_:\\/.@0123456789");
  rules.SetAllowedExtraChars2(s);
  EXPECT_EQ(rules.extraWordChars(), u"-'\u2018_:\\/.@0123456789()&,");
  for (const char16_t c : TextView(u"'.,()-")) {
    EXPECT_TRUE(rules.IsWordChar(c) && !rules.IsWordStart(c)) << static_cast<char>(c);
  }
  for (const char16_t c : TextView(u"a9@&\\_"))
    EXPECT_TRUE(rules.IsWordStart(c));

  s.allowCommas = false;
  rules.SetAllowedExtraChars1(s);
  rules.SetAllowedExtraChars2(s);
  EXPECT_FALSE(rules.IsWordChar(u','));  // the tables follow every change
  rules.SetReadingExtraChars();
  EXPECT_EQ(rules.extraWordChars(), u"'0123456789-_@:/.\\,()&~?");
}

TEST(WordTrimsTest, EntityTrimAndContractionFragments) {
  EXPECT_EQ(TrimEntity(u"caf&eacute;"), u"caf");
  EXPECT_EQ(TrimEntity(u"x&#8230;"), u"x");
  EXPECT_EQ(TrimEntity(u"at&t;"), u"at&t");  // "&t;" is too short for an entity
  EXPECT_EQ(TrimEntity(u"a&abcdefghijklmnopqrstu;"), u"a&abcdefghijklmnopqrstu");  // ";" past 20
  for (const TextView w : {u"s", u"T", u"couldn", u"Weren", u"n", u"en", u"ldn"}) {
    EXPECT_TRUE(IsContractionFragment(w)) << w.size();
  }
  for (const TextView w : {u"don", u"is", u"a", u"shouldnt", u"ren s"}) {
    EXPECT_FALSE(IsContractionFragment(w)) << w.size();
  }
}

TEST(WordShapeTest, RulesAndTheirBoxes) {
  Settings on;  // short words under 3, long words over 20
  on.ignoreShortWords = on.ignoreRepetitions = on.ignoreWordsWithoutLetter = true;
  on.only7BitAscii = true;
  on.shortWordSizeIndex = 1;
  on.longWordSizeIndex = 0;
  Settings off = on;
  off.ignoreShortWords = off.ignoreRepetitions = off.ignoreWordsWithoutLetter = false;
  off.only7BitAscii = false;
  const Text long21(21, u'a');

  EXPECT_TRUE(IsShortWord(u"ab", on) && !IsShortWord(u"abc", on) && !IsShortWord(u"ab", off));
  EXPECT_TRUE(IsLongWord(long21, off) && !IsLongWord(Text(20, u'a'), on));
  EXPECT_TRUE(HasIgnoredShape(long21, off));  // the long rule has no box
  for (const TextView w : {u"brrrr", u"Brrrr", u"xééééx", u"ÿŸÿŸ", u"œŒœŒ"}) {
    EXPECT_TRUE(HasFourRepeatedLetters(w, on) && !HasFourRepeatedLetters(w, off)) << w.size();
  }
  for (const TextView w : {u"brrr", u"1111", u"a-a-a-a", u"ßßßß", u"aaab"}) {
    EXPECT_FALSE(HasFourRepeatedLetters(w, on)) << w.size();
  }
  for (const TextView w : {u"", u"1-2", u"\u00D7"}) {
    EXPECT_TRUE(LacksLetter(w, on) && !LacksLetter(w, off)) << w.size();
  }
  EXPECT_FALSE(LacksLetter(u"1a", on) || LacksLetter(u"\u0153", on));
  EXPECT_TRUE(FailsSevenBitTest(u"café", on) && FailsSevenBitTest(u"\u20AC", on));
  EXPECT_FALSE(FailsSevenBitTest(u"\u0152uvre", on));  // low byte of Œ is "R"
  EXPECT_FALSE(FailsSevenBitTest(u"café", off));
}

}  // namespace
}  // namespace velt
