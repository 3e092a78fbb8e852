// Filter words in the three filter modes, and the messages of a filtered
// listing in which no phrase passes.
#include <ostream>
#include <string>

#include "e2e/batch_test.h"

namespace velt::e2e {
namespace {

// Four sentences, each seen twice: the phrases are the sentences themselves.
constexpr char kInput[] =
    "Feed the cat now. The black cat sat. Cat of the year. The catalogue.\r\n"
    "Feed the cat now. The black cat sat. Cat of the year. The catalogue.\r\n";

constexpr char kSummary[] =
    "There are 4 phrases with 2 to 4 words which occur at least twice.\n"
    "The longest phrase has 4 words.\n";

constexpr char kKeepFilterQuestion[] =
    "[Filter results?] Do you wish to keep the filter settings?\n";

constexpr char kWindowColumns[] = "     Rank      Freq  Phrase [longest has 17 characters]\n";
constexpr char kFileColumns[] = "    Rank\t    Freq\tPhrase\t [longest has 17 characters]\n";

class FilterWordsTest : public BatchTest {
 protected:
  Settings FilteredSettings(const char16_t* words, FilterMode mode, int wordOrder) {
    Settings settings = SingleFileSettings(scratch_.Write("in.txt", kInput), OutputPath());
    settings.phraseLengthIndexes = {0, 2};
    settings.wordOrder = wordOrder;
    settings.filterWords = words;
    settings.filterMode = mode;
    return settings;
  }

  std::string FileStart() const { return "File: " + scratch_.File("in.txt") + "\n" + kSummary; }
};

struct FilterCase {
  const char* name;
  FilterMode mode;
  const char* description;  // the filter-description line
  const char* windowRows;
  const char* fileRows;
};

void PrintTo(const FilterCase& c, std::ostream* os) {
  *os << c.name;
}

// "The, Cat" is committed as "the cat". The ranks stay those of the whole list.
const FilterCase kFilterCases[] = {
    // Both words as whole words: "the catalogue" has no word "cat".
    {"AllWords", FilterMode::AllWords, "Phrase filtering (all filter words) has been applied.\n",
     "        1         2  cat of the year\n"
     "        2         2  feed the cat now\n"
     "        3         2  the black cat sat\n",
     "       1\t       2\tcat of the year\t\n"
     "       2\t       2\tfeed the cat now\t\n"
     "       3\t       2\tthe black cat sat\t\n"},
    {"SameOrder", FilterMode::SameOrder,
     "Phrase filtering (all filter words in same order) has been applied.\n",
     "        2         2  feed the cat now\n"
     "        3         2  the black cat sat\n",
     "       2\t       2\tfeed the cat now\t\n"
     "       3\t       2\tthe black cat sat\t\n"},
    {"Subphrase", FilterMode::Subphrase,
     "Phrase filtering (all filter words as a subphrase) has been applied.\n",
     "        2         2  feed the cat now\n", "       2\t       2\tfeed the cat now\t\n"},
};

class FilterModes : public FilterWordsTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FilterModes, OnlyMatchingPhrasesAreListed) {
  const FilterCase& c = GetParam();

  const ChildResult result = Run(FilteredSettings(u"The, Cat", c.mode, 0));

  const std::string header = std::string(c.description) + "Filter words: the cat\n\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, kKeepFilterQuestion);
  EXPECT_EQ(result.out, kSummary + header + kWindowColumns + c.windowRows);
  EXPECT_EQ(OutputFile(), WithCrLf(FileStart() + header + kFileColumns + c.fileRows));
}

INSTANTIATE_TEST_SUITE_P(ThreeModes, FilterModes, ::testing::ValuesIn(kFilterCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoMatchCase {
  const char* name;
  FilterMode mode;
  const char* description;
  const char* windowMessage;
  const char* fileMessage;
};

void PrintTo(const NoMatchCase& c, std::ostream* os) {
  *os << c.name;
}

// "year cat": both words occur only in "cat of the year", in the other order.
const NoMatchCase kNoMatchCases[] = {
    {"SameOrder", FilterMode::SameOrder,
     "Phrase filtering (all filter words in same order) has been applied.\n",
     "No phrase containing all filter words in same order found.",
     "No phrase containing all filter words in same order found."},
    {"Subphrase", FilterMode::Subphrase,
     "Phrase filtering (all filter words as a subphrase) has been applied.\n",
     "No phrase containing all filter words as a subphrase found.",
     "No phrase containing all filter words as subphrase found."},
};

class AlphabeticalNoMatch : public FilterWordsTest,
                            public ::testing::WithParamInterface<NoMatchCase> {};

TEST_P(AlphabeticalNoMatch, WindowAndFileEndWithTheModesMessage) {
  const NoMatchCase& c = GetParam();

  const ChildResult result = Run(FilteredSettings(u"year cat", c.mode, 1));

  const std::string header = std::string(c.description) + "Filter words: year cat\n\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, kKeepFilterQuestion);
  EXPECT_EQ(result.out, kSummary + header + kWindowColumns + "\n" + c.windowMessage);
  EXPECT_EQ(OutputFile(),
            WithCrLf(FileStart() + header + kFileColumns + "\n" + c.fileMessage + "\n"));
}

INSTANTIATE_TEST_SUITE_P(Messages, AlphabeticalNoMatch, ::testing::ValuesIn(kNoMatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilterWordsTest, AllWordsWithoutMatchAlphabetically) {
  const ChildResult result = Run(FilteredSettings(u"zebra", FilterMode::AllWords, 1));

  const std::string header =
      "Phrase filtering (all filter words) has been applied.\nFilter words: zebra\n\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out,
            kSummary + header + kWindowColumns + "\nNo phrase containing all filter words found.");
  EXPECT_EQ(OutputFile(), WithCrLf(FileStart() + header + kFileColumns +
                                   "\nNo phrase containing all filter words found.\n"));
}

// By frequency the message goes to the text window only.
TEST_F(FilterWordsTest, NoMatchByFrequencyIsReportedInTheWindowOnly) {
  const ChildResult result = Run(FilteredSettings(u"zebra", FilterMode::AllWords, 0));

  const std::string header =
      "Phrase filtering (all filter words) has been applied.\nFilter words: zebra\n\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, kKeepFilterQuestion);
  EXPECT_EQ(result.out,
            kSummary + header + kWindowColumns + "\nNo phrase containing filter word(s) found.");
  EXPECT_EQ(OutputFile(), WithCrLf(FileStart() + header + kFileColumns));
}

}  // namespace
}  // namespace velt::e2e
