// The summary sentence with its singular and plural branches, the
// no-phrases message and the files-scanned notice.
#include "reports/summary.h"
#include "report_fixture.h"

namespace velt::testing {
namespace {

struct SummaryCase {
  const char* name;
  PhraseSummary summary;
  std::string text;
};

PhraseSummary Make(int32_t n, int minLength, int maxLength, int minFrequency, int longest = 0) {
  PhraseSummary s;
  s.includedPhraseCount = n;
  s.minPhraseLength = minLength;
  s.maxPhraseLength = maxLength;
  s.minimumFrequency = minFrequency;
  s.wordsInLongestPhrase = longest;
  return s;
}

PhraseSummary WithIgnoreMode(PhraseSummary s, int mode) {
  s.wordsToIgnoreInForce = true;
  s.removeIgnoredWords = mode == 3;
  s.excludePhrasesWithIgnoredWord = mode == 4;
  s.excludePhrasesOfIgnoredWordsOnly = mode == 2;
  return s;
}

void PrintTo(const SummaryCase& c, std::ostream* os) {
  *os << c.name;
}

class HowManyPhrases : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(HowManyPhrases, BuildsTheSentence) {
  EXPECT_EQ(Utf8(HowManyPhrasesText(GetParam().summary)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, HowManyPhrases,
    ::testing::Values(
        SummaryCase{"OnePhraseOnce", Make(1, 3, 3, 1, 3),
                    "There is one phrase of 3 words which occurs at least once.\r\n"},
        SummaryCase{"TwelveExcludingContaining", WithIgnoreMode(Make(12, 2, 4, 2, 4), 4),
                    "There are 12 phrases with 2 to 4 words which occur at least twice\r\n"
                    "when phrases containing a word to ignore are excluded.\r\n"
                    "The longest phrase has 4 words.\r\n"},
        SummaryCase{"ThreeNeedNoLongest", Make(3, 2, 5, 5, 5),
                    "There are 3 phrases with 2 to 5 words which occur at least 5 times.\r\n"},
        SummaryCase{"Removed", WithIgnoreMode(Make(2, 2, 2, 2), 3),
                    "There are 2 phrases of 2 words which occur at least twice when words to "
                    "ignore are excluded.\r\n"},
        SummaryCase{"ExcludingConsisting", WithIgnoreMode(Make(5, 2, 2, 1, 2), 2),
                    "There are 5 phrases of 2 words which occur at least once\r\n"
                    "when phrases consisting entirely of words to ignore are excluded.\r\n"},
        SummaryCase{"NoAdviceWithoutWordsToIgnore",
                    [] {
                      PhraseSummary s = WithIgnoreMode(Make(0, 2, 3, 2), 2);
                      s.wordsToIgnoreInForce = false;
                      return s;
                    }(),
                    "There are no phrases with 2 to 3 words which occur at least twice.\r\n"},
        SummaryCase{"Allowed", WithIgnoreMode(Make(4, 2, 3, 3, 3), 1),
                    "There are 4 phrases with 2 to 3 words which occur at least 3 times\r\n"
                    "(including phrases consisting entirely of words to ignore).\r\n"
                    "The longest phrase has 3 words.\r\n"},
        SummaryCase{"NoneSuggestsRepeating", WithIgnoreMode(Make(0, 2, 4, 2), 4),
                    "There are no phrases with 2 to 4 words which occur at least twice\r\n"
                    "when phrases containing a word to ignore are excluded.\r\n"
                    "You could try repeating the count without excluding phrases containing a "
                    "word to ignore."},
        SummaryCase{"NoneSuggestsRepeatingConsisting", WithIgnoreMode(Make(0, 2, 2, 1), 2),
                    "There are no phrases of 2 words which occur at least once\r\n"
                    "when phrases consisting entirely of words to ignore are excluded.\r\n"
                    "You could try repeating the count without excluding phrases consisting "
                    "entirely of words to ignore."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, SummaryIsKeptForTheHeaderOrShownWhenNothingQualified) {
  shell.window.SetCaption(ControlId::lblNumberOfWords, u"Number of phrases in this list: 9");
  SetHowManyPhrases(context, Make(2, 2, 2, 2));
  EXPECT_EQ(Utf8(run.summarySentence),
            "There are 2 phrases of 2 words which occur at least twice.\r\n");
  EXPECT_EQ(Window(), "");

  SetHowManyPhrases(context, Make(0, 2, 2, 2));
  EXPECT_EQ(Window(), "There are no phrases of 2 words which occur at least twice.\r\n");
  EXPECT_EQ(shell.window.Get(ControlId::lblNumberOfWords).caption, u"");
}

TEST_F(ReportTest, NoPhrasesMessageMentionsTheShortWordSizeWhenShortWordsAreIgnored) {
  ReportNoPhrases(settings, sink);
  EXPECT_EQ(Window(), "No phrases satisfying the specified conditions were found.");
  shell.textWindow.Clear();
  settings.ignoreShortWords = true;
  settings.shortWordSizeIndex = 2;
  ReportNoPhrases(settings, sink);
  EXPECT_EQ(Window(),
            "No phrases with at least 4 characters\r\n"
            "satisfying the specified conditions were found.");
}

TEST_F(ReportTest, FilesScannedNoticeGroupsAndChoosesSingularOrPlural) {
  const auto notice = [&](int32_t files, int folders, bool incomplete) {
    sources.fileCount = files;
    sources.folderCount = folders;
    run.listIncomplete = incomplete;
    SetFilesScannedNotice(context);
    return Utf8(state.pendingOutput);
  };
  EXPECT_EQ(notice(1204, 17, false), "1,204 files (in 17 folders) were scanned.\r\n");
  EXPECT_EQ(notice(1, 1, false), "1 file (in 1 folder) was scanned.\r\n");
  EXPECT_EQ(notice(0, 1, false), "0 file (in 1 folder) were scanned.\r\n");
  EXPECT_EQ(notice(2, 1, true),
            "2 files (in 1 folder) were scanned.\r\n"
            "Counting was stopped and this list is incomplete.\r\n");
}

TEST(FilesInFoldersTextTest, UsesThePluralForZero) {
  EXPECT_EQ(Utf8(FilesInFoldersText(17, 3)), "17 files in 3 folders");
  EXPECT_EQ(Utf8(FilesInFoldersText(1, 1)), "1 file in 1 folder");
  EXPECT_EQ(Utf8(FilesInFoldersText(0, 0)), "0 files in 0 folders");
}

}  // namespace
}  // namespace velt::testing
