// The clipboard source: velt-batch reads the clipboard text from standard input.
#include <string>

#include "e2e/batch_test.h"

namespace velt::e2e {
namespace {

class ClipboardSource : public BatchTest {
 protected:
  Settings ClipboardSettings(const std::string& output = "") const {
    Settings settings = SingleFileSettings("", output);
    settings.source = Source::Clipboard;
    return settings;
  }
};

// The text is one line: its line breaks never end a phrase, even with the
// end-of-line boundary set. Upper-case accented letters are lower-cased, and
// the report file has no source header.
TEST_F(ClipboardSource, StandardInputIsCountedAsOneLine) {
  Settings settings = ClipboardSettings(OutputPath());
  settings.endPhraseAtLineEnd = true;

  const ChildResult result =
      Run(settings, "Red\napple. Red\napple. CAF\xC3\x89 NOIR, caf\xC3\xA9 noir.");

  const std::string summary = "There are 2 phrases with 2 to 6 words which occur at least twice.\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, summary +
                            "     Rank      Freq  Phrase [longest has 9 characters]\n"
                            "        1         2  caf\xC3\xA9 noir\n"
                            "        2         2  red apple\n");
  EXPECT_EQ(OutputFile(),
            WithCrLf(summary + "    Rank\t    Freq\tPhrase\t [longest has 9 characters]\n"
                               "       1\t       2\tcaf\xC3\xA9 noir\t\n"
                               "       2\t       2\tred apple\t\n"));
}

TEST_F(ClipboardSource, EmptyInputEndsTheRun) {
  const ChildResult result = Run(ClipboardSettings(OutputPath()), "");

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "[VELT phrase counter] There is no text on the clipboard.\n");
  EXPECT_EQ(OutputFile(), "");
}

// Digits are grouped with "," in the C locale.
TEST_F(ClipboardSource, MoreThan100000CharactersAreRefused) {
  const ChildResult result = Run(ClipboardSettings(), std::string(100001, 'x'));

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "[Too much clipboard text] There are 100,001 characters in the text on the "
            "clipboard.\n"
            "The maximum permitted is 100,000.  If possible,\n"
            "count word frequencies for this text using an input file.\n");
}

// Exactly 100000 characters are counted: one word cut at 65,000 characters,
// too long to make a phrase. No words to ignore are in force, so there is no
// advice about them.
TEST_F(ClipboardSource, Exactly100000CharactersAreCounted) {
  const ChildResult result = Run(ClipboardSettings(), std::string(100000, 'x'));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "There are no phrases with 2 to 6 words which occur at least twice.\n");
}

TEST_F(ClipboardSource, ControlCharacterInTheTextIsRefused) {
  const ChildResult result = Run(ClipboardSettings(), "some words\x1b and more words");

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "[Invalid input] The text on the clipboard does not consist\n"
            "solely of natural language words.\n");
}

}  // namespace
}  // namespace velt::e2e
