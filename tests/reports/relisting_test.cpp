// Relisting after option changes and the handlers of the report options.
#include "reports/relisting.h"
#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/display_format.h"

namespace velt::testing {
namespace {

class Relisting : public ReportTest {
 protected:
  Relisting() {
    session.settings.source = Source::Folder;
    session.settings.inputFolder = u"/data/t";
    session.sources.fileCount = 2;
    session.settings.displayFormat = 8;
    session.run.countAvailable = true;
  }
  // By count: b c (3 in 1 file), a b (2 in 2 files). By files: a b, b c.
  InMemoryPhrases table{{{u"a b", 2, {1, 2}, {1, 1}}, {u"b c", 3, {1}, {3}}},
                        {Text(), u"/data/t/1.txt", u"/data/t/2.txt"}};
};

TEST_F(Relisting, OptionChangeListsAgainUnlessSuppressedOrBeforeStartUp) {
  session.settings.wordOrder = 1;
  OnWordOrderChosen(session, table);
  EXPECT_TRUE(Window().ends_with("a b\r\nb c\r\n"));
  EXPECT_EQ(session.window.Get(ControlId::cmdCountPhrases).caption, session.UIText(21));

  session.settings.wordOrder = 0;
  session.reports.suppressRelist = true;
  OnWordOrderChosen(session, table);
  session.reports.suppressRelist = false;
  session.run.startUpCompleted = false;
  OnRelativeFrequencyClicked(session, table);
  EXPECT_TRUE(Window().ends_with("a b\r\nb c\r\n"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Relisting, IncompleteListIsRelistedWithItsReminder) {
  session.run.countAvailable = false;
  session.run.listIncomplete = true;
  OnRelativeFrequencyClicked(session, table);
  EXPECT_TRUE(Window().ends_with("b c\r\na b\r\n"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, session.UIText(23));
  EXPECT_EQ(dialogs.messages[0].text, session.UIText(22));
}

TEST_F(Relisting, FolderFormatWithAnotherSourceFallsBackToFormatZeroWithoutListing) {
  session.settings.source = Source::SingleFile;
  session.settings.displayFormat = 11;
  OnDisplayFormatChosen(session, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Unavailable display format");
  EXPECT_EQ(dialogs.messages[0].text,
            u"The display format '#11 Phrase, files containing it' is available\r\n"
            u"only when the source of the text is a folder.");
  EXPECT_EQ(session.settings.displayFormat, 0);
  EXPECT_EQ(Window(), "");
  EXPECT_FALSE(session.reports.suppressRelist);
}

TEST_F(Relisting, FormatOptionsFollowTheFormatOrderAndSource) {
  const auto enabled = [&](ControlId id) { return session.window.Get(id).enabled; };
  for (int format = 0; format <= 12; ++format) {
    session.settings.displayFormat = format;
    EnableFormatOptions(session, table);
    const bool frequencyColumn =
        format != 3 && format != 6 && format != 8 && format != 9 && format != 11;
    EXPECT_EQ(enabled(ControlId::chkDisplayRelativeFrequency), frequencyColumn) << format;
    EXPECT_EQ(enabled(ControlId::chkSortByNumberOfFiles), format == 12) << format;
  }
  session.settings.wordOrder = 1;
  EnableFormatOptions(session, table);
  EXPECT_FALSE(enabled(ControlId::chkSortByNumberOfFiles));
}

TEST_F(Relisting, LeavingFormatTwelveUnsortsByFilesAndListsOnce) {
  session.settings.displayFormat = 12;
  session.settings.sortByNumberOfFiles = true;
  OnSortByNumberOfFilesClicked(session, table);
  EXPECT_EQ(table.Rank(1), 1);  // a b is in more files
  const long yieldsBefore = pump.yields;

  session.settings.displayFormat = 8;
  OnDisplayFormatChosen(session, table);
  EXPECT_FALSE(session.settings.sortByNumberOfFiles);
  EXPECT_EQ(table.Rank(2), 1);               // by count again
  EXPECT_EQ(pump.yields - yieldsBefore, 2);  // one listing of two phrases
  EXPECT_TRUE(Window().ends_with("b c\r\na b\r\n"));
}

TEST_F(Relisting, OptionClickedDuringAListingRelistsWhenItEnds) {
  pump.triggerAt = 1;
  pump.action = [&] {
    session.settings.wordOrder = 1;
    OnWordOrderChosen(session, table);
  };
  OnRelativeFrequencyClicked(session, table);
  EXPECT_EQ(pump.yields, 4);  // the running listing finished, then one more
  EXPECT_TRUE(Window().ends_with("a b\r\nb c\r\n"));
}

TEST_F(Relisting, FileListBoxSelectsFormatTenAndRestoresTheFormerOne) {
  session.settings.displayFormat = 5;
  session.settings.fileListFormat = true;
  OnFileListFormatClicked(session, table);
  EXPECT_EQ(session.settings.displayFormat, 10);
  EXPECT_EQ(view.focusRequests.back(), ControlId::cboDisplayFormat);
  session.settings.fileListFormat = false;
  OnFileListFormatClicked(session, table);
  EXPECT_EQ(session.settings.displayFormat, 5);
}

TEST_F(Relisting, ReenablingFileOutputOffersToWriteTheFile) {
  SetOutputFile(tempDir / "out.txt");
  dialogs.answers = {Answer::No, Answer::Yes};
  OnDisableOutputToFileClicked(session, table);
  EXPECT_FALSE(std::filesystem::exists(tempDir / "out.txt"));
  OnDisableOutputToFileClicked(session, table);
  EXPECT_TRUE(ReadFile(tempDir / "out.txt").ends_with("b c\t\r\na b\t\r\n"));
  EXPECT_EQ(dialogs.messages[0].title, u"Relist?");
  EXPECT_EQ(dialogs.messages[0].text, u"Relist words (so as to write to file)?");

  session.settings.outputToFileDisabled = true;
  OnDisableOutputToFileClicked(session, table);
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

}  // namespace
}  // namespace velt::testing
