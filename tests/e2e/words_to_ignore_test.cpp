// Words to ignore: the extra-words box with a wildcard and a bracketed regular
// expression in each of the four ignore modes, and a words file read with and
// without pattern matching.
#include <ostream>
#include <string>

#include "e2e/batch_test.h"
#include "text/text.h"

namespace velt::e2e {
namespace {

// Words to ignore below: the, then (th~) and big (<^b[aeiou]g$>); with cat
// from the words file.
constexpr char kInput[] = "The big dog barks then cat runs. The big dog barks then cat runs.\r\n";

// Two-word phrases of at least two occurrences, listed alphabetically, phrases only.
Settings TwoWordSettings(const std::string& input, IgnoreMode mode) {
  Settings settings = SingleFileSettings(input);
  settings.phraseLengthIndexes = {0, 0};
  settings.wordOrder = 1;
  settings.displayFormat = 8;
  settings.ignoreMode = mode;
  return settings;
}

struct IgnoreCase {
  const char* name;
  IgnoreMode mode;
  const char* expected;
};

void PrintTo(const IgnoreCase& c, std::ostream* os) {
  *os << c.name;
}

const IgnoreCase kIgnoreCases[] = {
    {"AllowPhrasesOfIgnoredWords", IgnoreMode::AllowAllIgnored,
     "There are 6 phrases of 2 words which occur at least twice\n"
     "(including phrases consisting entirely of words to ignore).\n"
     "Phrase [longest has 10 characters]\n"
     "barks then\n"
     "big dog\n"
     "cat runs\n"
     "dog barks\n"
     "the big\n"
     "then cat\n"},
    {"ExcludePhrasesOfIgnoredWordsOnly", IgnoreMode::ExcludeAllIgnored,
     "There are 5 phrases of 2 words which occur at least twice\n"
     "when phrases consisting entirely of words to ignore are excluded.\n"
     "Phrase [longest has 10 characters]\n"
     "barks then\n"
     "big dog\n"
     "cat runs\n"
     "dog barks\n"
     "then cat\n"},
    // Removed words close up the stream: "barks then cat" gives "barks cat".
    {"RemoveIgnoredWords", IgnoreMode::RemoveIgnored,
     "There are 3 phrases of 2 words which occur at least twice when words to ignore are "
     "excluded.\n"
     "Phrase [longest has 9 characters]\n"
     "barks cat\n"
     "cat runs\n"
     "dog barks\n"},
    {"ExcludePhrasesContainingAnIgnoredWord", IgnoreMode::ExcludeContainingIgnored,
     "There are 2 phrases of 2 words which occur at least twice\n"
     "when phrases containing a word to ignore are excluded.\n"
     "Phrase [longest has 9 characters]\n"
     "cat runs\n"
     "dog barks\n"},
};

class ExtraWordsInEachMode : public BatchTest, public ::testing::WithParamInterface<IgnoreCase> {};

TEST_P(ExtraWordsInEachMode, WildcardAndRegularExpressionEntriesApply) {
  const IgnoreCase& c = GetParam();
  Settings settings = TwoWordSettings(scratch_.Write("in.txt", kInput), c.mode);
  settings.extraWords = u"th~ <^b[aeiou]g$>";

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(IgnoreModes, ExtraWordsInEachMode, ::testing::ValuesIn(kIgnoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoPhrasesCase {
  const char* name;
  IgnoreMode mode;
  const char* expected;
};

void PrintTo(const NoPhrasesCase& c, std::ostream* os) {
  *os << c.name;
}

// A lone "~" matches every word, so an excluding mode leaves nothing; the
// summary then suggests counting without that exclusion.
const NoPhrasesCase kNoPhrasesCases[] = {
    {"ExcludeContaining", IgnoreMode::ExcludeContainingIgnored,
     "There are no phrases of 2 words which occur at least twice\n"
     "when phrases containing a word to ignore are excluded.\n"
     "You could try repeating the count without excluding phrases containing a word to ignore."},
    {"ExcludeAllIgnored", IgnoreMode::ExcludeAllIgnored,
     "There are no phrases of 2 words which occur at least twice\n"
     "when phrases consisting entirely of words to ignore are excluded.\n"
     "You could try repeating the count without excluding phrases consisting entirely of words "
     "to ignore."},
};

class EveryWordIgnored : public BatchTest, public ::testing::WithParamInterface<NoPhrasesCase> {};

// A count with nothing to list never writes the output file: an old report
// stays as it was.
TEST_P(EveryWordIgnored, SummarySuggestsCountingWithoutTheExclusion) {
  const NoPhrasesCase& c = GetParam();
  Settings settings = TwoWordSettings(scratch_.Write("in.txt", kInput), c.mode);
  settings.filePaths[1] = FromUtf8(OutputPath());
  settings.extraWords = u"~";
  scratch_.Write("out.txt", "old report\r\n");

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, c.expected);
  EXPECT_EQ(OutputFile(), "old report\r\n");
}

INSTANTIATE_TEST_SUITE_P(ExcludingModes, EveryWordIgnored, ::testing::ValuesIn(kNoPhrasesCases),
                         [](const auto& info) { return std::string(info.param.name); });

using NothingQualifies = BatchTest;

// Without any word to ignore in force, the summary ends with "." and gives no
// advice about words to ignore, whatever the mode.
TEST_F(NothingQualifies, NoAdviceAboutWordsToIgnoreWhenNoneAreInForce) {
  const std::string input = scratch_.Write("in.txt", "One two three.\r\n");

  const ChildResult result = Run(SingleFileSettings(input));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "There are no phrases with 2 to 6 words which occur at least twice.\n");
}

class WordsFile : public BatchTest {
 protected:
  // The comments name "barks" and "dog": read as entries they would remove "dog barks".
  Settings WithWordsFile(bool patternMatching) {
    const std::string wordsFile = scratch_.Write("ignore.txt",
                                                 "/* barks */\r\n"
                                                 "th~  // not dog\r\n"
                                                 "<^b[aeiou]g$>\r\n"
                                                 "Cat\r\n");
    Settings settings =
        TwoWordSettings(scratch_.Write("in.txt", kInput), IgnoreMode::ExcludeContainingIgnored);
    settings.wordsFileList.entries = {FromUtf8(wordsFile)};
    settings.wordsFileList.index = 0;
    settings.patternMatching = patternMatching;
    return settings;
  }
};

TEST_F(WordsFile, PatternMatchingAppliesTheWildcardAndTheRegularExpression) {
  const ChildResult result = Run(WithWordsFile(true));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There is one phrase of 2 words which occurs at least twice\n"
            "when phrases containing a word to ignore are excluded.\n"
            "Phrase [longest has 9 characters]\n"
            "dog barks\n");
}

// Without pattern matching the entries are literal words: only "cat" matches.
TEST_F(WordsFile, WithoutPatternMatchingOnlyPlainEntriesMatch) {
  const ChildResult result = Run(WithWordsFile(false));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There are 4 phrases of 2 words which occur at least twice\n"
            "when phrases containing a word to ignore are excluded.\n"
            "Phrase [longest has 10 characters]\n"
            "barks then\n"
            "big dog\n"
            "dog barks\n"
            "the big\n");
}

}  // namespace
}  // namespace velt::e2e
