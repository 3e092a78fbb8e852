// The text window sink and the error reporter with its text-window-full
// notice.
#include "reports/text_sink.h"
#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/listing.h"
#include "reports/report_error.h"

namespace velt::testing {
namespace {

TEST_F(ReportTest, AnAppendThatCannotLengthenAnOverfullWindowMarksItFull) {
  state.textWindowCapacity = 10;
  sink.SetTextWindow(u"0123456789AB");
  sink.OutputToTxb(u"C");  // over the capacity but still growing: not full
  EXPECT_FALSE(state.textWindowFull);

  sources.listingFiles = true;
  sources.fileCount = 17;
  sources.folderCount = 3;
  sink.OutputToTxb(u"");
  EXPECT_TRUE(state.textWindowFull);
  EXPECT_EQ(Window(),
            "0123456789ABC\r\n\r\nTextbox is full.\r\n\r\nTo this point: 17 files in 3 folders");
  sink.OutputToTxb(u"more");
  EXPECT_TRUE(Window().ends_with("folders"));

  sink.ClearTextbox();
  EXPECT_FALSE(state.textWindowFull);
  sink.OutputToTxb(u"x");
  EXPECT_EQ(Window(), "x");
}

TEST_F(ReportTest, TheWindowRefusesTextPastItsLimitAndOnlyThenIsFull) {
  sink.SetTextboxCapacity(10);
  EXPECT_EQ(shell.textWindow.limit(), 10 + kTextWindowLimitMargin);
  const Text piece(kTextWindowLimitMargin / 4, u'x');
  for (int i = 0; i < 4; ++i) {
    sink.OutputToTxb(piece);  // past the capacity, within the limit
    EXPECT_FALSE(state.textWindowFull);
  }
  const size_t before = shell.textWindow.length();
  sink.OutputToTxb(u"0123456789A");  // one character too many: refused
  EXPECT_TRUE(state.textWindowFull);
  EXPECT_TRUE(Window().ends_with(std::string(10, 'x') + "\r\n\r\nTextbox is full."));
  EXPECT_EQ(shell.textWindow.length(), before - 256 + 20);

  // A window that is never over its capacity takes every append.
  sink.SetTextboxCapacity(kTextboxCapacity);
  sink.ClearTextbox();
  for (int i = 0; i < 100; ++i)
    sink.OutputToTxb(piece);
  EXPECT_FALSE(state.textWindowFull);
  EXPECT_EQ(shell.textWindow.length(), 100 * piece.size());
}

TEST_F(ReportTest, ReportErrorNamesTheLocationAndStopsTheClock) {
  run.timer2Enabled = true;
  run.elapsedTimeRunning = true;
  ReportError(context, 5, u"Invalid procedure call", u"DoIt B");
  state.outputFileWritten = true;
  state.textWindowFull = true;
  ReportError(context, 53, u"File not found", u"DoItFromFile");

  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            u"At DoIt B error #5.\r\nDescription: Invalid procedure call");
  EXPECT_EQ(dialogs.messages[0].title, u"Error");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialogs.messages[1].text,
            u"At DoItFromFile error #53.\r\nDescription: File not found\r\n"
            u"The whole report has been written to the output file.");
  EXPECT_EQ(dialogs.messages[1].title, u"Text window full");
  // An error after the window filled up keeps that title, but is an error.
  EXPECT_EQ(dialogs.Ids(), (std::vector<MessageId>(2, MessageId::RunTimeError)));
  EXPECT_FALSE(run.timer2Enabled);
  EXPECT_FALSE(run.elapsedTimeRunning);
}

class WindowFullNotice : public ReportTest {
 protected:
  WindowFullNotice() {
    settings.source = Source::Clipboard;
    settings.displayFormat = 8;
    run.summarySentence = u"S.\r\n";
  }
  // "S.\r\nPhrase [longest has 11 characters]\r\n" (40 characters), then
  // the cat, black cat, the cat sat (9 + 11 + 13 characters with line ends).
  InMemoryPhrases table{{{u"black cat", 2}, {u"the cat", 5}, {u"the cat sat", 2}}};
};

TEST_F(WindowFullNotice, ReportLongerThanTheCapacityEndsWithTheNotice) {
  state.textWindowCapacity = 60;
  ListWords(context, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::TextWindowFull);
  EXPECT_EQ(dialogs.messages[0].title, u"Text window full");
  EXPECT_EQ(dialogs.messages[0].text,
            u"Text window full  To keep the whole report, specify an output file and list "
            u"again.");
  EXPECT_TRUE(state.textWindowFull);
  EXPECT_TRUE(Window().ends_with("the cat sat\r\n"));  // short windows are not cut back
}

TEST_F(WindowFullNotice, TellsWhetherTheFileHasTheWholeReport) {
  state.textWindowCapacity = 60;
  SetOutputFile(tempDir / "out.txt");
  ListWords(context, table);
  settings.outputToFileDisabled = true;
  ListWords(context, table);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.Ids(), (std::vector<MessageId>(2, MessageId::TextWindowFull)));
  EXPECT_EQ(dialogs.messages[0].text,
            u"Text window full  \r\nThe whole report has been written to the output file.");
  EXPECT_EQ(dialogs.messages[1].text,
            u"Text window full  Output to file is disabled, so the whole report was not "
            u"written to a file.");
}

TEST_F(WindowFullNotice, ABufferThatNeverReachedTheWindowIsShownFromItsStart) {
  state.textWindowCapacity = 20;
  ListWords(context, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::TextWindowFull);
  EXPECT_EQ(dialogs.messages[0].text,
            u"The report is too long for the text window; only its beginning is shown.  To keep "
            u"the whole report, specify an output file and list again.");
  EXPECT_EQ(Window(), "the cat\r\nblack cat\r\n");
}

TEST_F(WindowFullNotice, LongWindowIsCutBackToAWholeLine) {
  std::vector<PhraseRow> rows;
  for (int i = 100; i < 400; ++i)
    rows.push_back({Text(u"phrase ").append(Decimal(i)), 1});
  InMemoryPhrases many(std::move(rows));
  // Above the 2,048-character batches, so the report reaches the window.
  state.textWindowCapacity = 3000;
  ListWords(context, many);
  // 32 characters off the end take "phrase 399", "phrase 398" and part of
  // "phrase 397"; the window then ends before the last line end.
  EXPECT_TRUE(Window().ends_with("phrase 396\r\n\r\nText window full"));
  EXPECT_EQ(dialogs.messages.at(0).text.substr(0, 18), u"Text window full  ");
}

}  // namespace
}  // namespace velt::testing
