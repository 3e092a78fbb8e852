// The text window sink, the error reporter with its text-window-full notice,
// and the text window's mouse messages.
#include "reports/text_sink.h"
#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/listing.h"
#include "reports/report_error.h"
#include "reports/text_window_mouse.h"

namespace velt::testing {
namespace {

TEST_F(ReportTest, AnAppendThatCannotLengthenAnOverfullWindowMarksItFull) {
  session.reports.textWindowCapacity = 10;
  SetTextWindow(session, u"0123456789AB");
  OutputToTxb(session, u"C");  // over the capacity but still growing: not full
  EXPECT_FALSE(session.reports.textWindowFull);

  session.sources.listingFiles = true;
  session.sources.fileCount = 17;
  session.sources.folderCount = 3;
  OutputToTxb(session, u"");
  EXPECT_TRUE(session.reports.textWindowFull);
  EXPECT_EQ(Window(),
            "0123456789ABC\r\n\r\nTextbox is full.\r\n\r\nTo this point: 17 files in 3 folders");
  OutputToTxb(session, u"more");
  EXPECT_TRUE(Window().ends_with("folders"));

  ClearTextbox(session);
  EXPECT_FALSE(session.reports.textWindowFull);
  OutputToTxb(session, u"x");
  EXPECT_EQ(Window(), "x");
}

TEST_F(ReportTest, TheWindowRefusesTextPastItsLimitAndOnlyThenIsFull) {
  SetTextboxCapacity(session, 10);
  EXPECT_EQ(session.textWindow.limit(), 10 + kTextWindowLimitMargin);
  const Text piece(kTextWindowLimitMargin / 4, u'x');
  for (int i = 0; i < 4; ++i) {
    OutputToTxb(session, piece);  // past the capacity, within the limit
    EXPECT_FALSE(session.reports.textWindowFull);
  }
  const size_t before = session.textWindow.length();
  OutputToTxb(session, u"0123456789A");  // one character too many: refused
  EXPECT_TRUE(session.reports.textWindowFull);
  EXPECT_TRUE(Window().ends_with(std::string(10, 'x') + "\r\n\r\nTextbox is full."));
  EXPECT_EQ(session.textWindow.length(), before - 256 + 20);

  // A window that is never over its capacity takes every append.
  SetTextboxCapacity(session, kTextboxCapacity);
  ClearTextbox(session);
  for (int i = 0; i < 100; ++i)
    OutputToTxb(session, piece);
  EXPECT_FALSE(session.reports.textWindowFull);
  EXPECT_EQ(session.textWindow.length(), 100 * piece.size());
}

TEST_F(ReportTest, ClearOutputForgetsTheCount) {
  session.run.countAvailable = true;
  OutputToTxb(session, u"report");
  OnClearOutputClicked(session);
  EXPECT_EQ(Window(), "");
  EXPECT_FALSE(session.run.countAvailable);
  EXPECT_FALSE(session.window.Get(ControlId::lblNumberOfWords).visible);
}

TEST_F(ReportTest, ReportErrorNamesTheLocationAndStopsTheClock) {
  session.run.timer2Enabled = true;
  session.run.elapsedTimeRunning = true;
  ReportError(session, 5, u"Invalid procedure call", u"DoIt B");
  session.reports.outputFileWritten = true;
  session.reports.textWindowFull = true;
  ReportError(session, 53, u"File not found", u"DoItFromFile");

  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            u"At DoIt B error #5.\r\nDescription: Invalid procedure call");
  EXPECT_EQ(dialogs.messages[0].title, u"Error");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialogs.messages[1].text,
            u"At DoItFromFile error #53.\r\nDescription: File not found\r\n"
            u"The whole report has been written to the output file.");
  EXPECT_EQ(dialogs.messages[1].title, u"Text window full");
  EXPECT_FALSE(session.run.timer2Enabled);
  EXPECT_FALSE(session.run.elapsedTimeRunning);
}

class WindowFullNotice : public ReportTest {
 protected:
  WindowFullNotice() {
    session.settings.source = Source::Clipboard;
    session.settings.displayFormat = 8;
    session.run.summarySentence = u"S.\r\n";
  }
  // "S.\r\nPhrase [longest has 11 characters]\r\n" (40 characters), then
  // the cat, black cat, the cat sat (9 + 11 + 13 characters with line ends).
  InMemoryPhrases table{{{u"black cat", 2}, {u"the cat", 5}, {u"the cat sat", 2}}};
};

TEST_F(WindowFullNotice, ReportLongerThanTheCapacityEndsWithTheNotice) {
  session.reports.textWindowCapacity = 60;
  ListWords(session, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Text window full");
  EXPECT_EQ(dialogs.messages[0].text,
            u"Text window full  To keep the whole report, specify an output file and list "
            u"again.");
  EXPECT_TRUE(session.reports.textWindowFull);
  EXPECT_TRUE(Window().ends_with("the cat sat\r\n"));  // short windows are not cut back
}

TEST_F(WindowFullNotice, TellsWhetherTheFileHasTheWholeReport) {
  session.reports.textWindowCapacity = 60;
  SetOutputFile(tempDir / "out.txt");
  ListWords(session, table);
  session.settings.outputToFileDisabled = true;
  ListWords(session, table);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            u"Text window full  \r\nThe whole report has been written to the output file.");
  EXPECT_EQ(dialogs.messages[1].text,
            u"Text window full  Output to file is disabled, so the whole report was not "
            u"written to a file.");
}

TEST_F(WindowFullNotice, ABufferThatNeverReachedTheWindowIsShownFromItsStart) {
  session.reports.textWindowCapacity = 20;
  ListWords(session, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
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
  session.reports.textWindowCapacity = 3000;
  ListWords(session, many);
  // 32 characters off the end take "phrase 399", "phrase 398" and part of
  // "phrase 397"; the window then ends before the last line end.
  EXPECT_TRUE(Window().ends_with("phrase 396\r\n\r\nText window full"));
  EXPECT_EQ(dialogs.messages.at(0).text.substr(0, 18), u"Text window full  ");
}

TEST_F(ReportTest, MouseClicksExplainWhatTheProgramIsDoing) {
  OnOutputLeftClicked(session);
  OnOutputRightClicked(session);
  EXPECT_TRUE(dialogs.messages.empty());

  session.sources.listingFiles = true;
  OnOutputLeftClicked(session);
  session.sources.listingFiles = false;
  session.sources.readingFiles = true;
  OnOutputLeftClicked(session);  // words are not shown as found: no message
  session.settings.suppressWordsAsFound = false;
  OnOutputLeftClicked(session);
  session.settings.source = Source::Clipboard;
  OnOutputRightClicked(session);

  EXPECT_EQ(dialogs.Titles(), (std::vector<Text>{u"Listing files to be scanned", u"Scanning files",
                                                 u"Text on clipboard"}));
  EXPECT_EQ(dialogs.messages[1].text, u"Click on 'OK' to continue.");
  EXPECT_EQ(dialogs.messages[2].text, u"To count phrases on the clipboard click on 'Count ...'");
}

}  // namespace
}  // namespace velt::testing
