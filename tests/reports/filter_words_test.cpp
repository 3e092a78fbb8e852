// Filter words: the box, the three matching modes and filtered listings.
#include "reports/filter_words.h"
#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/filter_box.h"
#include "reports/listing.h"
#include "text/strings.h"

namespace velt::testing {
namespace {

std::vector<Text> Words(std::initializer_list<const char16_t*> words) {
  return {words.begin(), words.end()};
}

struct MatchCase {
  FilterMode mode;
  std::vector<Text> words;
  Text phrase;
  bool passes;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
  *os << Utf8(c.phrase);
}

class FilterMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FilterMatch, DecidesWhetherThePhrasePasses) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(PhraseMatchesFilter(c.phrase, c.words, c.mode), c.passes) << Utf8(c.phrase);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FilterMatch,
    ::testing::Values(
        MatchCase{FilterMode::AllWords, Words({u"cat"}), u"the cat sat", true},
        MatchCase{FilterMode::AllWords, Words({u"cat"}), u"the catalogue", false},
        MatchCase{FilterMode::AllWords, Words({u"cat"}), u"cat", true},
        MatchCase{FilterMode::AllWords, Words({u"cat"}), u"The CAT", true},
        // A later whole-word occurrence counts when the first is inside a word.
        MatchCase{FilterMode::AllWords, Words({u"cat"}), u"catalogue of cat", true},
        MatchCase{FilterMode::AllWords, Words({u"cat", u"the"}), u"the cat", true},
        MatchCase{FilterMode::AllWords, Words({u"cat", u"dog"}), u"the cat", false},
        MatchCase{FilterMode::SameOrder, Words({u"the", u"cat"}), u"the cat", true},
        MatchCase{FilterMode::SameOrder, Words({u"the", u"cat"}), u"the black cat sat", true},
        MatchCase{FilterMode::SameOrder, Words({u"the", u"cat"}), u"cat of the", false},
        MatchCase{FilterMode::SameOrder, Words({u"cat"}), u"a cat", true},
        MatchCase{FilterMode::Subphrase, Words({u"the", u"cat"}), u"feed the cat now", true},
        MatchCase{FilterMode::Subphrase, Words({u"the", u"cat"}), u"the black cat", false},
        MatchCase{FilterMode::Subphrase, Words({u"the", u"cat"}), u"bathe cat the cat", true},
        MatchCase{FilterMode::Subphrase, Words({u"the", u"cat"}), u"the cats", false}));

TEST(FilterWordsTest, ParsesRunsOfFilterWordCharacters) {
  EXPECT_EQ(ParseFilterWords(u"the,  cat"), Words({u"the", u"cat"}));
  EXPECT_EQ(ParseFilterWords(u"l'été:don't—x-ray 1990"),
            Words({u"l'été", u"don't", u"x-ray", u"1990"}));
  EXPECT_EQ(ParseFilterWords(u"straße÷œuvre"), Words({u"straße", u"œuvre"}));
  EXPECT_TRUE(ParseFilterWords(u" ,;! ").empty());
}

TEST_F(ReportTest, NormalisingTrimsLowerCasesAndJoinsTheWords) {
  settings.filterWords = u"  The,  Cat ÉTÉ ";
  NormaliseFilterWords(settings, state);
  EXPECT_EQ(settings.filterWords, u"the cat été");
  EXPECT_EQ(state.filterWordsParsed, u"the,  cat été");
  EXPECT_EQ(state.filterWordCount, 3);
}

// the cat (5), black cat (2), the cat sat (2); "sat on" did not qualify.
InMemoryPhrases CatTable() {
  return InMemoryPhrases(
      {{u"black cat", 2}, {u"sat on", 1, {}, {}, false}, {u"the cat", 5}, {u"the cat sat", 2}});
}

class FilteredListing : public ReportTest {
 protected:
  FilteredListing() {
    settings.source = Source::Clipboard;
    settings.displayFormat = 3;
    run.summarySentence = u"Summary.\r\n";
    run.countAvailable = true;
  }
  void Filter(const char16_t* box, FilterMode mode, int order) {
    settings.filterWords = box;
    settings.filterMode = mode;
    settings.wordOrder = order;
    NormaliseFilterWords(settings, state);
    ListWordsFiltered(context, table);
  }
  InMemoryPhrases table = CatTable();
};

TEST_F(FilteredListing, ListsOnlyMatchingPhrasesUnderTheFilterHeader) {
  Filter(u"Cat,SAT", FilterMode::AllWords, 0);
  EXPECT_EQ(Window(),
            "Summary.\r\nPhrase filtering (all filter words) has been applied.\r\n"
            "Filter words: cat sat\r\n\r\n"
            "     Rank  Phrase [longest has 11 characters]\r\n" +
                S(8) + "3  the cat sat\r\n");
  EXPECT_FALSE(state.filterActive);
}

TEST_F(FilteredListing, NoMatchMessagesDependOnModeOrderAndSink) {
  SetOutputFile(tempDir / "out.txt");
  const std::string header =
      "Summary.\r\nPhrase filtering (all filter words as a subphrase) has been applied.\r\n"
      "Filter words: dog\r\n\r\n    Rank\tPhrase\t [longest has 11 characters]\r\n";
  Filter(u"dog", FilterMode::Subphrase, 1);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"),
            header + "\r\nNo phrase containing all filter words as subphrase found.\r\n");
  EXPECT_TRUE(EndsWith(shell.textWindow.text(),
                       u"characters]\r\n\r\nNo phrase containing all filter words as a "
                       u"subphrase found."));

  Filter(u"dog", FilterMode::SameOrder, 1);
  EXPECT_TRUE(EndsWith(shell.textWindow.text(),
                       u"\r\n\r\nNo phrase containing all filter words in same order found."));

  Filter(u"dog", FilterMode::AllWords, 0);
  EXPECT_TRUE(
      EndsWith(shell.textWindow.text(), u"\r\n\r\nNo phrase containing filter word(s) found."));
  // By frequency the message reaches the text window only.
  EXPECT_TRUE(ReadFile(tempDir / "out.txt").ends_with("[longest has 11 characters]\r\n"));
}

TEST_F(FilteredListing, UnfilteredListingIgnoresTheBox) {
  settings.filterWords = u"dog";
  NormaliseFilterWords(settings, state);
  ListWords(context, table);
  EXPECT_EQ(Window().find("filter"), std::string::npos);
  EXPECT_NE(Window().find("the cat sat"), std::string::npos);
}

// A filter click that reaches a running filtered listing (through the event
// pump) must not switch its filtering off half-way.
TEST_F(FilteredListing, FilteringAgainDuringAFilteredListingLeavesItFiltered) {
  settings.filterWords = u"the";
  NormaliseFilterWords(settings, state);
  pump.triggerAt = 1;
  pump.action = [&] { ListWordsFiltered(context, table); };
  ListWordsFiltered(context, table);
  EXPECT_TRUE(Window().ends_with("characters]\r\n" + S(8) + "1  the cat\r\n" + S(8) +
                                 "3  the cat sat\r\n"));
  EXPECT_EQ(pump.yields, 3);  // one listing
  EXPECT_FALSE(state.filterActive);
}

}  // namespace
}  // namespace velt::testing
