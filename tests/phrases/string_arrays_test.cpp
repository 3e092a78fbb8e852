#include "phrases/string_arrays.h"

#include <gtest/gtest.h>

#include "phrases/phrase_key.h"

namespace velt {
namespace {

TEST(FindString, FindsOrGivesTheInsertionPlace) {
  const std::vector<Text> items = {u"b", u"d", u"f", u"h"};
  EXPECT_EQ(FindPhrase(u"a", items, 4).index, -1);
  EXPECT_EQ(FindPhrase(u"c", items, 4).index, -2);
  EXPECT_EQ(FindPhrase(u"g", items, 4).index, -4);
  EXPECT_EQ(FindPhrase(u"z", items, 4).index, -5);
  for (int32_t k = 1; k <= 4; ++k) {
    const FindResult found = FindPhrase(items[k - 1], items, 4);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.index, k);
  }
  EXPECT_EQ(FindPhrase(u"x", items, 0).index, -1);
  EXPECT_TRUE(FindPhrase(u"b", items, 1).found);
  // From the second character on: "xb" < "yd" < "af" by their tails.
  const std::vector<Text> tails = {u"xb", u"yd", u"af"};
  EXPECT_EQ(FindString(u"d", tails, 3, 2).index, 2);
  EXPECT_EQ(FindString(u"e", tails, 3, 2).index, -3);
}

TEST(SortStringArray, AscendingWithEqualTailsWhereThePartitionLeavesThem) {
  std::vector<Text> items = {u"pear", u"apple", u"fig", u"apple", u"Zoo"};
  SortStringArray(items, 1, 5, 1);
  EXPECT_EQ(items, (std::vector<Text>{u"Zoo", u"apple", u"apple", u"fig", u"pear"}));
  // Equal from character 2 on: the descending partition swaps equal items and
  // the reversal turns the result round, which is not the original order.
  std::vector<Text> same = {u"pa", u"qa", u"ra", u"sa"};
  SortStringArray(same, 1, 4, 2);
  EXPECT_EQ(same, (std::vector<Text>{u"qa", u"pa", u"sa", u"ra"}));
  std::vector<Text> part = {u"d", u"c", u"b", u"a"};
  SortStringArray(part, 2, 3, 1);
  EXPECT_EQ(part, (std::vector<Text>{u"d", u"b", u"c", u"a"}));
}

TEST(NormalizeSpaceList, TrimsSortsAndRemovesDuplicates) {
  EXPECT_EQ(NormalizeSpaceList(u"  viz ibid  vide viz "), u"ibid vide viz");
  EXPECT_EQ(NormalizeSpaceList(u"   "), u"");
  EXPECT_EQ(NormalizeSpaceList(u""), u"");
}

TEST(PhraseKey, TransliteratesRemovesAccentsAndLowerCases) {
  EXPECT_EQ(MakePhraseKey(u"Éclair"), u"eclair");
  EXPECT_EQ(MakePhraseKey(u"Straße Ärger Œuvre"), u"strasse aerger oeuvre");
  EXPECT_EQ(MakePhraseKey(u"Ÿ Ð ð þ œ"), u"y d ð þ œ");
  EXPECT_EQ(MakePhraseKey(u"ÀÁÂÃÅ çñý"), u"aaaaa cny");
}

}  // namespace
}  // namespace velt
