// Plain-text input in other encodings and with other line ends, checked with
// the end-of-line boundary set so that every line end shows in the phrases.
#include <string>

#include "e2e/batch_test.h"

namespace velt::e2e {
namespace {

class TextFiles : public BatchTest {
 protected:
  // Two-word phrases, phrases may not cross a line end.
  Settings LineBoundSettings(const std::string& input, int minimumFrequencyIndex) const {
    Settings settings = SingleFileSettings(input);
    settings.phraseLengthIndexes = {0, 0};
    settings.minimumFrequencyIndex = minimumFrequencyIndex;
    settings.endPhraseAtLineEnd = true;
    return settings;
  }
};

// The byte-order mark never becomes a word, the UTF-8 letters are repaired,
// and LF ends a line: "Naïve" and "café" on lines of their own make no phrase.
TEST_F(TextFiles, Utf8WithByteOrderMarkAndLineFeeds) {
  const std::string input = scratch_.Write("bom.txt",
                                           "\xEF\xBB\xBFNa\xC3\xAFve caf\xC3\xA9.\n"
                                           "Na\xC3\xAFve caf\xC3\xA9.\n"
                                           "Na\xC3\xAFve\n"
                                           "caf\xC3\xA9\n");

  const ChildResult result = Run(LineBoundSettings(input, 0));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There is one phrase of 2 words which occurs at least once.\n"
            "     Rank      Freq  Phrase [longest has 10 characters]\n"
            "        1         2  na\xC3\xAFve caf\xC3\xA9\n");
}

TEST_F(TextFiles, CarriageReturnsAloneEndLines) {
  const std::string input = scratch_.Write("mac.txt", "Red fox\rRed fox\rRed\rfox\r");

  const ChildResult result = Run(LineBoundSettings(input, 0));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There is one phrase of 2 words which occurs at least once.\n"
            "     Rank      Freq  Phrase [longest has 7 characters]\n"
            "        1         2  red fox\n");
}

// A UTF-8 file found by its curly quotes: the thin space (not in the
// punctuation table) is deleted, and every curly quote of the line becomes a
// double quote, so the closing one ends the phrase.
TEST_F(TextFiles, Utf8PunctuationIsRepairedThroughoutTheLine) {
  const std::string sentence =
      "Alpha\xE2\x80\x89"
      "beta said \xE2\x80\x9Cgo now\xE2\x80\x9D twice. ";
  const std::string input = scratch_.Write("quotes.txt", sentence + sentence + "\r\n");
  Settings settings = SingleFileSettings(input);

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There is one phrase with 2 to 6 words which occurs at least twice.\n"
            "     Rank      Freq  Phrase [longest has 21 characters]\n"
            "        1         2  alphabeta said go now\n");
}

// Equal sort keys keep the order that the partition sort leaves them in,
// starting from the table in code-unit order of the phrases:
// [eclair cake, ecm unit, éclair cake] becomes [éclair cake, eclair cake, ecm unit].
TEST_F(TextFiles, AccentedPhraseSortsByItsKeyBesideTheUnaccentedOne) {
  const std::string sentences =
      "\xC3\x89"
      "clair cake. Ecm unit. Eclair cake. ";
  const std::string input = scratch_.Write("keys.txt", "\xEF\xBB\xBF" + sentences + sentences);

  const ChildResult result = Run(SingleFileSettings(input));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There are 3 phrases with 2 to 6 words which occur at least twice.\n"
            "     Rank      Freq  Phrase [longest has 11 characters]\n"
            "        1         2  \xC3\xA9"
            "clair cake\n"
            "        2         2  eclair cake\n"
            "        3         2  ecm unit\n");
}

// With case significant the three spellings share one key; the partition
// sort swaps the first and last of [APPLE PIE, Apple pie, apple pie].
TEST_F(TextFiles, CaseSignificantSpellingsWithOneKeyFollowThePartitionOrder) {
  const std::string input = scratch_.Write(
      "case.txt", "APPLE PIE. Apple pie. apple pie. APPLE PIE. Apple pie. apple pie.\r\n");
  Settings settings = SingleFileSettings(input);
  settings.caseSignificant = true;
  settings.wordOrder = 1;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There are 3 phrases with 2 to 6 words which occur at least twice.\n"
            "     Rank      Freq  Phrase [longest has 9 characters]\n"
            "        1         2  apple pie\n"
            "        2         2  Apple pie\n"
            "        3         2  APPLE PIE\n");
}

}  // namespace
}  // namespace velt::e2e
