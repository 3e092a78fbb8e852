#include "sources/clipboard_source.h"

#include "sources/source_test_support.h"

namespace velt {
namespace {

class ClipboardTest : public testing::SourceTest {
 protected:
  bool Fetch(Text text) {
    clipboard.SetText(text);
    return GetClipboardText(context);
  }
};

TEST_F(ClipboardTest, AtMostOneHundredThousandCharacters) {
  EXPECT_TRUE(Fetch(Text(100000, u'a')));
  EXPECT_EQ(sources.clipboardText.size(), 100000u);
  EXPECT_FALSE(Fetch(Text(100001, u'a')));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Too much clipboard text");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::TooMuchClipboardText);
  EXPECT_EQ(dialogs.messages[0].text,
            u"There are 100,001 characters in the text on the clipboard.\r\n"
            u"The maximum permitted is 100,000.  If possible,\r\n"
            u"count word frequencies for this text using an input file.");
  EXPECT_TRUE(sources.clipboardText.empty());
  EXPECT_FALSE(Fetch(u""));
  EXPECT_EQ(dialogs.messages.back().id, MessageId::NoClipboardText);
  EXPECT_EQ(dialogs.messages.back().text, shell.UIText(ui_text::kNoClipboardText));
  // A message without a title of its own carries the program's name.
  EXPECT_EQ(dialogs.messages.back().title, shell.UIText(ui_text::kProgramName));
}

TEST_F(ClipboardTest, NaturalTextAllowsWhitespaceAndLooksAtTheSampleOnly) {
  EXPECT_TRUE(IsNaturalText(u"tab\tlf\ncr\rff\f \u201Ccurly\u201D \u2014", 3000, true));
  EXPECT_FALSE(IsNaturalText(u"tab\t", 3000, false));
  EXPECT_TRUE(IsNaturalText(u"", 3000, true));
  Text text(3000, u'a');
  text[2999] = u'\x1B';
  EXPECT_FALSE(IsNaturalText(text, 3000, true));
  text[2999] = u'a';
  text += u'\0';
  EXPECT_TRUE(IsNaturalText(text, 3000, true));
  EXPECT_FALSE(IsNaturalText(text, 0, true));
}

TEST_F(ClipboardTest, TextIsScannedAsOneLowerCasedLineWithoutMarkers) {
  hooks.scanner.markers.markerPairCount = 6;
  ASSERT_TRUE(Fetch(u"First LINE\r\nSecond \u00C9t\u00C9"));
  EXPECT_TRUE(DoItFromClipboard(context));
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"first line\r\nsecond \u00E9t\u00E9"});
  EXPECT_EQ(hooks.scanner.markers.markerPairCount, 0);
  EXPECT_EQ(hooks.wordStoreResets, std::vector<bool>{false});
  EXPECT_EQ(hooks.phraseResets, 0);
  EXPECT_EQ(shell.window.Get(ControlId::cmdCountPhrases).caption,
            shell.UIText(ui_text::kStopCounting));
  // Fetching hides the counters; the run empties them; both end at the Count button.
  EXPECT_EQ(hooks.counterConceals, std::vector<bool>{false});
  EXPECT_EQ(hooks.counterErasures, 1);
  EXPECT_EQ(hooks.countButtonFocused, 2);
}

TEST_F(ClipboardTest, ControlCharactersAreRefused) {
  ASSERT_TRUE(Fetch(u"text with a \x01 control"));
  EXPECT_FALSE(DoItFromClipboard(context));
  EXPECT_EQ(dialogs.messages.back().text,
            u"The text on the clipboard does not consist\r\nsolely of natural language words.");
  EXPECT_EQ(dialogs.messages.back().id, MessageId::ClipboardNotNaturalText);
  EXPECT_TRUE(hooks.lines.empty());
}

}  // namespace
}  // namespace velt
