#include <gtest/gtest.h>

#include "text/entities.h"

namespace velt {
namespace {

TEST(IsEntityStartTest, Rules) {
  const std::pair<Text, size_t> cases[] = {
      {u"&amp; more", 5},
      {u"&#x", 0},
      {u"&#12", 1},
      {u"&a;", 0},
      {u"&a b;", 0},
      {u"&1ab;", 0},
      {u"&\u00E9te;", 5},
      {u"&\u00D7te;", 0},
      {u"&abcdefghijklmnopqr;", 20},
      {u"&abcdefghijklmnopqrs;", 0},
      {u"&abcdef", 0},
      {u"x&amp;", 0},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(IsEntityStart(text), expected) << text.size();
}

TEST(DecodeEntitiesTest, ReplacesWholeTableEntitiesOnly) {
  const std::pair<Text, Text> cases[] = {
      {u"caf&eacute; &amp; bar", u"café & bar"},
      {u"&quot;word&quot; a&mdash;b", u"\"word\" a&mdash;b"},
      {u"&Auml;&auml;&AUML;", u"Ää&AUML;"},
      {u"x&nbsp;y&#160;z&#8212;", u"x y z\u2014"},
      {u"& &nbsp;", u"&  "},     // the candidate starts at the last "&"
      {u"&amp;amp;", u"&amp;"},  // decoded text is not decoded again
      {u"&copy; &amp", u"© &amp"},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(DecodeEntities(line), expected) << line.size();
}

}  // namespace
}  // namespace velt
