// Relisting after option changes, the options that depend on the format and
// the frequency chain by number of files.
#include "reports/relisting.h"
#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/display_format.h"
#include "reports/listing.h"

namespace velt::testing {
namespace {

class Relisting : public ReportTest {
 protected:
  Relisting() {
    settings.source = Source::Folder;
    settings.inputFolder = u"/data/t";
    sources.fileCount = 2;
    settings.displayFormat = 8;
    run.countAvailable = true;
  }
  // By count: b c (3 in 1 file), a b (2 in 2 files). By files: a b, b c.
  InMemoryPhrases table{{{u"a b", 2, {1, 2}, {1, 1}}, {u"b c", 3, {1}, {3}}},
                        {Text(), u"/data/t/1.txt", u"/data/t/2.txt"}};
};

TEST_F(Relisting, OptionChangeListsAgainUnlessSuppressedOrBeforeStartUp) {
  settings.wordOrder = 1;
  RelistAfterOptionChange(context, table);
  EXPECT_TRUE(Window().ends_with("a b\r\nb c\r\n"));
  EXPECT_EQ(hooks.focusRequests, 1);

  settings.wordOrder = 0;
  state.suppressRelist = true;
  RelistAfterOptionChange(context, table);
  state.suppressRelist = false;
  run.startUpCompleted = false;
  RelistAfterOptionChange(context, table);
  EXPECT_TRUE(Window().ends_with("a b\r\nb c\r\n"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(hooks.focusRequests, 1);
}

TEST_F(Relisting, IncompleteListIsRelistedWithItsReminder) {
  run.countAvailable = false;
  run.listIncomplete = true;
  RelistAfterOptionChange(context, table);
  EXPECT_TRUE(Window().ends_with("b c\r\na b\r\n"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::ListIncomplete);
  EXPECT_EQ(dialogs.messages[0].title, shell.UIText(ui_text::kListIncompleteTitle));
  EXPECT_EQ(dialogs.messages[0].text, shell.UIText(ui_text::kListIncomplete));
}

TEST_F(Relisting, FolderFormatWithAnotherSourceFallsBackToFormatZeroWithoutListing) {
  settings.source = Source::SingleFile;
  settings.displayFormat = 11;
  RelistAfterOptionChange(context, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Unavailable display format");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::DisplayFormatUnavailable);
  EXPECT_EQ(dialogs.messages[0].text,
            u"The display format '#11 Phrase, files containing it' is available\r\n"
            u"only when the source of the text is a folder.");
  EXPECT_EQ(settings.displayFormat, 0);
  EXPECT_EQ(hooks.displayFormatChoices, 1);  // the format's handler runs
  EXPECT_EQ(Window(), "");
  EXPECT_FALSE(state.suppressRelist);
  EXPECT_EQ(hooks.focusRequests, 0);
}

TEST_F(Relisting, FormatOptionsFollowTheFormatOrderAndSource) {
  const auto enabled = [&](ControlId id) { return shell.window.Get(id).enabled; };
  for (int format = 0; format <= 12; ++format) {
    settings.displayFormat = format;
    EnableFormatOptions(context);
    const bool frequencyColumn =
        format != 3 && format != 6 && format != 8 && format != 9 && format != 11;
    EXPECT_EQ(enabled(ControlId::chkDisplayRelativeFrequency), frequencyColumn) << format;
    EXPECT_EQ(enabled(ControlId::chkSortByNumberOfFiles), format == 12) << format;
  }
  EXPECT_EQ(hooks.sortByNumberOfFilesClicks, 0);

  // Disabled while checked: unchecked, and its handler runs.
  settings.sortByNumberOfFiles = true;
  settings.wordOrder = 1;
  EnableFormatOptions(context);
  EXPECT_FALSE(enabled(ControlId::chkSortByNumberOfFiles));
  EXPECT_FALSE(settings.sortByNumberOfFiles);
  EXPECT_EQ(hooks.sortByNumberOfFilesClicks, 1);
}

// The chain follows the option at once, but never under a running listing's
// feet: a change during one takes effect when it ends.
TEST_F(Relisting, FrequencyChainFollowsTheSortOptionOnceNoListingRuns) {
  settings.displayFormat = 12;
  settings.sortByNumberOfFiles = true;
  RebuildFrequencyChain(context, table);
  EXPECT_EQ(table.Rank(1), 1);  // a b is in more files

  pump.triggerAt = 1;
  pump.action = [&] {
    settings.sortByNumberOfFiles = false;
    RebuildFrequencyChain(context, table);
    EXPECT_EQ(table.Rank(1), 1);
  };
  ListWords(context, table);
  EXPECT_EQ(table.Rank(2), 1);  // by count again
  EXPECT_FALSE(state.chainRebuildRequested);
}

TEST_F(Relisting, OptionClickedDuringAListingRelistsWhenItEnds) {
  pump.triggerAt = 1;
  pump.action = [&] {
    settings.wordOrder = 1;
    RelistAfterOptionChange(context, table);
  };
  RelistAfterOptionChange(context, table);
  EXPECT_EQ(pump.yields, 4);  // the running listing finished, then one more
  EXPECT_TRUE(Window().ends_with("a b\r\nb c\r\n"));
}

}  // namespace
}  // namespace velt::testing
