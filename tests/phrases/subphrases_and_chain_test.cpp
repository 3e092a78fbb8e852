#include <gtest/gtest.h>

#include <algorithm>

#include "phrases/list_statistics.h"
#include "phrases/redundant_subphrases.h"
#include "test_support.h"

namespace velt {
namespace {

class AfterCountTest : public ::testing::Test {
 protected:
  AfterCountTest() { table.Reset(TableMode::Count); }

  void Add(const char16_t* phrase, int times) {
    for (int k = 0; k < times; ++k)
      table.AddWordToList(phrase);
  }
  // Sorts, applies the threshold and removes subphrases; the included phrases.
  std::vector<Text> Included(int threshold) {
    table.SortPhraseTable(1, table.phraseCount(), 1);
    params.minimumFrequency = threshold;
    ApplyThreshold(table, params);
    EXPECT_TRUE(ExcludeRedundantSubphrases(table, stopRequested, pump));
    std::vector<Text> included;
    for (int32_t i = 1; i <= table.phraseCount(); ++i) {
      if (table.Included(i)) included.push_back(table.Phrase(i));
    }
    return included;
  }
  std::vector<Text> Chain() {
    std::vector<Text> chain;
    for (int32_t i = table.firstInFrequencyOrder(); i != 0; i = table.Next(i))
      chain.push_back(table.Phrase(i));
    return chain;
  }

  using Phrases = std::vector<Text>;
  NullEventPump pump;
  PhraseTable table{pump};
  PhraseRunParameters params;
  bool stopRequested = false;
};

TEST_F(AfterCountTest, ExcludesPhrasesInsideLongerOnesWithTheSameCount) {
  Add(u"the cat", 4);
  Add(u"the cat sat", 4);
  Add(u"at the", 3);  // inside "sat there", across word boundaries
  Add(u"sat there", 3);
  Add(u"he sat", 5);  // inside "the sat" but counted differently
  Add(u"the sat", 2);
  EXPECT_EQ(Included(1), (Phrases{u"he sat", u"sat there", u"the cat sat", u"the sat"}));
}

TEST_F(AfterCountTest, OnlyIncludedPhrasesContainAndEqualLengthsNeverDo) {
  Add(u"a b", 2);
  Add(u"a b c", 2);
  Add(u"a b c d", 2);
  Add(u"x y", 3);
  Add(u"x yz", 2);  // below the threshold: cannot exclude "x y" (count 3 anyway)
  Add(u"Pq r", 3);
  Add(u"pq r", 3);
  const auto sorted = [](Phrases phrases) {
    std::sort(phrases.begin(), phrases.end());
    return phrases;
  };
  EXPECT_EQ(sorted(Included(2)), (Phrases{u"Pq r", u"a b c d", u"pq r", u"x y", u"x yz"}));
  EXPECT_EQ(sorted(Included(3)), (Phrases{u"Pq r", u"pq r", u"x y"}));
}

TEST_F(AfterCountTest, StatisticsAndTheFrequencyChain) {
  Add(u"b b", 5);
  Add(u"a a", 5);
  Add(u"c c c", 7);
  Add(u"d d", 1);
  EXPECT_EQ(Included(2), (Phrases{u"a a", u"b b", u"c c c"}));
  const ListStatistics stats = ComputeListStatistics(table, pump);
  EXPECT_EQ(stats.includedPhraseCount, 3);
  EXPECT_EQ(stats.excludedPhraseCount, 1);
  EXPECT_EQ(stats.occurrenceCount, 17);
  EXPECT_EQ(stats.maxFrequency, 7);
  EXPECT_EQ(stats.longestPhraseLength, 5);
  EXPECT_EQ(stats.wordsInLongestPhrase, 3);
  EXPECT_EQ(stats.topPhrase, u"c c c");
  BuildFrequencyChain(table, stats, false, pump, {});
  EXPECT_EQ(Chain(), (Phrases{u"c c c", u"a a", u"b b"}));  // ties keep table order
  EXPECT_EQ(table.Rank(table.firstInFrequencyOrder()), 1);
  // By number of files every phrase of a single-file count ties.
  BuildFrequencyChain(table, stats, true, pump, {});
  EXPECT_EQ(Chain(), (Phrases{u"a a", u"b b", u"c c c"}));
}

TEST_F(AfterCountTest, AChainOfOne) {
  Add(u"only one", 1);
  EXPECT_EQ(Included(1), (Phrases{u"only one"}));
  BuildFrequencyChain(table, ComputeListStatistics(table, pump), false, pump, {});
  EXPECT_EQ(table.firstInFrequencyOrder(), 1);
  EXPECT_EQ(table.Next(1), 0);
}

TEST_F(AfterCountTest, AStopEndsThePassWithOnlyRightExclusions) {
  for (int k = 0; k < 40; ++k) {
    const Text word = T("w" + std::to_string(k));
    table.AddWordToList(word + u" x");
    table.AddWordToList(word + u" x y");
  }
  table.SortPhraseTable(1, table.phraseCount(), 1);
  params.minimumFrequency = 1;
  ApplyThreshold(table, params);
  testing::StoppingPump stopping(stopRequested, 30);
  EXPECT_FALSE(ExcludeRedundantSubphrases(table, stopRequested, stopping));
  int excluded = 0;
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    if (table.Included(i)) continue;
    ++excluded;
    EXPECT_EQ(table.NumWords(i), 2);  // only "wN x" can go
  }
  EXPECT_GT(excluded, 0);
  EXPECT_LT(excluded, 40);
}

}  // namespace
}  // namespace velt
