#include "phrases/phrase_assembler.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace velt {
namespace {

using testing::Listing;

// Counts a text (see testing::Words) and returns the phrase table's listing.
class AssemblyTest : public ::testing::Test {
 protected:
  AssemblyTest() {
    params.minPhraseLength = 2;
    params.maxPhraseLength = 3;
    params.SetIgnoreWordsOption(IgnoreMode::AllowAllIgnored);
    settings.ignoreShortWords = false;
  }

  std::vector<std::string> Count(TextView text, IgnoreMode mode = IgnoreMode::AllowAllIgnored) {
    params.SetIgnoreWordsOption(mode);
    params.phraseSlotCount = params.maxPhraseLength * (params.removeIgnoredWords ? 2 : 1);
    const WordIgnoreTest ignoreTest(lists, settings, stopRequested);
    table.Reset(TableMode::Count);
    PhraseAssembler assembler(table, params, settings, ignoreTest, stopRequested);
    CountingSink sink(assembler, params);
    for (const testing::StreamWord& w : testing::Words(text))
      sink.TakeWord(w.word, w.flags);
    return Listing(table);
  }

  using Lines = std::vector<std::string>;
  Settings settings;
  PhraseRunParameters params;
  testing::ListWordsToIgnore lists{{u"the", u"of"}};
  bool stopRequested = false;
  NullEventPump pump;
  PhraseTable table{pump};
};

TEST_F(AssemblyTest, EveryLengthInRangeEndingAtEveryWord) {
  EXPECT_EQ(Count(u"a b c"), (Lines{"a b=1", "a b c=1", "b c=1"}));
  params.minPhraseLength = 3;
  EXPECT_EQ(Count(u"a b. c d"), Lines{});  // the period is a boundary
  settings.endPhraseAtPeriod = false;
  EXPECT_EQ(Count(u"a b. c d"), (Lines{"a b c=1", "b c d=1"}));
}

TEST_F(AssemblyTest, PunctuationBoundariesFollowTheSettings) {
  settings.endPhraseAtComma = false;
  EXPECT_EQ(Count(u"x y, z"), (Lines{"x y=1", "x y z=1", "y z=1"}));
  settings.endPhraseAtComma = true;
  EXPECT_EQ(Count(u"x y, z"), (Lines{"x y=1"}));
  EXPECT_EQ(Count(u"x y\" z"), (Lines{"x y=1"}));
}

TEST_F(AssemblyTest, IgnoreOptions) {
  params.wordsToIgnoreInForce = true;
  params.minPhraseLength = 2;
  // Remove: "the" neither appears nor breaks the phrase, even before a period.
  EXPECT_EQ(Count(u"the cat sat", IgnoreMode::RemoveIgnored), (Lines{"cat sat=1"}));
  EXPECT_EQ(Count(u"cat the. sat", IgnoreMode::RemoveIgnored), (Lines{"cat sat=1"}));
  // Exclude phrases containing a word to ignore.
  params.minPhraseLength = 3;
  EXPECT_EQ(Count(u"the cat sat on the mat", IgnoreMode::ExcludeContainingIgnored),
            (Lines{"cat sat on=1"}));
  // Exclude phrases of words to ignore only; allow everything.
  params.minPhraseLength = 2;
  params.maxPhraseLength = 2;
  EXPECT_EQ(Count(u"of the cats", IgnoreMode::ExcludeAllIgnored), (Lines{"the cats=1"}));
  EXPECT_EQ(Count(u"of the cats", IgnoreMode::AllowAllIgnored), (Lines{"of the=1", "the cats=1"}));
}

TEST_F(AssemblyTest, WordShapesCountOnlyWhenRemovingOrWithWordsToIgnore) {
  settings.ignoreShortWords = true;  // fewer than 3 characters
  params.wordsToIgnoreInForce = false;
  EXPECT_EQ(Count(u"an ox ran", IgnoreMode::ExcludeContainingIgnored),
            (Lines{"an ox=1", "an ox ran=1", "ox ran=1"}));
  EXPECT_EQ(Count(u"an ox ran far", IgnoreMode::RemoveIgnored), (Lines{"ran far=1"}));
  params.wordsToIgnoreInForce = true;
  EXPECT_EQ(Count(u"ox ran far", IgnoreMode::ExcludeContainingIgnored), (Lines{"ran far=1"}));
}

TEST_F(AssemblyTest, SevenBitRuleDropsTheWordAndKeepsThePhraseGoing) {
  settings.only7BitAscii = true;
  EXPECT_EQ(Count(u"au café. lait"), (Lines{"au lait=1"}));  // nor is its period a boundary
}

TEST_F(AssemblyTest, StopRequestEndsTheLengthsOfTheWord) {
  params.maxPhraseLength = 4;
  params.phraseSlotCount = 4;
  const WordIgnoreTest ignoreTest(lists, settings, stopRequested);
  table.Reset(TableMode::Count);
  PhraseAssembler assembler(table, params, settings, ignoreTest, stopRequested);
  for (const char16_t* word : {u"a", u"b", u"c"})
    assembler.GetWords2(word, {});
  stopRequested = true;
  assembler.GetWords2(u"d", {});
  EXPECT_EQ(Listing(table), (Lines{"a b=1", "a b c=1", "b c=1"}));
}

TEST(FolderAssembly, APhraseMayRunIntoTheNextFileAndBelongsToIt) {
  Settings settings;
  PhraseRunParameters params;
  params.maxPhraseLength = params.phraseSlotCount = 2;
  const NoWordsToIgnore lists;
  const bool stopRequested = false;
  const WordIgnoreTest ignoreTest(lists, settings, stopRequested);
  NullEventPump pump;
  PhraseTable table(pump);
  table.filesRead().Reset();
  table.Reset(TableMode::FolderCount);
  PhraseAssembler assembler(table, params, settings, ignoreTest, stopRequested);
  table.filesRead().SetCurrentFile(u"/one.txt");
  assembler.GetWords2(u"end", {});
  table.filesRead().SetCurrentFile(u"/two.txt");
  assembler.GetWords2(u"start", {});
  ASSERT_EQ(Listing(table), (std::vector<std::string>{"end start=1"}));
  EXPECT_EQ(table.Files(1), (std::vector<FileTally>{{1, 1}}));
  EXPECT_EQ(table.filesRead().readPaths(), (std::vector<Text>{u"", u"/two.txt"}));
}

}  // namespace
}  // namespace velt
