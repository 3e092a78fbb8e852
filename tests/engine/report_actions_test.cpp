// The main window's report controls and its text window, through the window
// controller: the report options relist and hand the focus back, the file
// list box, the output-file switch, the filter box, the "Clear textbox"
// button and the mouse on the text window.
#include "doubles/recording_view.h"
#include "engine/main_window_controller.h"
#include "engine_fixture.h"

namespace velt::testing {
namespace {

// "beta gamma" three times in the first file, "alpha beta" once in each.
constexpr char kFirstFile[] = "alpha beta.\r\nbeta gamma.\r\nbeta gamma.\r\nbeta gamma.\r\n";
constexpr char kSecondFile[] = "alpha beta.\r\n";

class ReportActionsTest : public EngineTest {
 protected:
  // The same engine, with a view that records the focus requests.
  void SetUp() override {
    EngineTest::SetUp();
    engine_ = std::make_unique<Engine>(
        Seams{dialogs_, view, pump_, clipboard_}, texts_,
        EngineOptions{VELT_DATA_DIR, (dir_ / "state.usr").string(), NumberFormat()});
    engine_->SetBatchMode(true);
    engine_->SetUpBeforeShow();
    session().run.startUpCompleted = true;
    settings().displayFormat = 8;
  }
  void TearDown() override {
    engine_.reset();
    EngineTest::TearDown();
  }

  MainWindowController& window() { return engine_->mainWindow(); }
  std::string Output() { return ToUtf8(session().textWindow.text()); }
  ControlState Control(ControlId id) { return session().window.Get(id); }

  // Both files as one text: phrases of two words occurring at least twice.
  void CountFile() {
    UseFile(Write("in.txt", std::string(kFirstFile) + kSecondFile), 2, 2, 2);
    engine_->mainWindow().OnCountClicked();
    ASSERT_TRUE(engine_->CountReachedListing());
  }

  // A folder count needs an output file; the relists after it list into the
  // window only.
  void CountFolder() {
    Write("folder/1.txt", kFirstFile);
    Write("folder/2.txt", kSecondFile);
    window().OnSourceChosen(Source::Folder);
    settings().inputFolder = FromUtf8((dir_ / "folder").string());
    settings().filePaths[1] = FromUtf8((dir_ / "out.txt").string());
    settings().phraseLengthIndexes = {0, 0};
    settings().minimumFrequencyIndex = 1;
    engine_->mainWindow().OnCountClicked();
    ASSERT_TRUE(engine_->CountReachedListing());
    settings().outputToFileDisabled = true;
  }

  RecordingView view;
};

TEST_F(ReportActionsTest, WordOrderRelistsAndHandsTheFocusToTheCountButton) {
  CountFile();
  EXPECT_TRUE(Output().ends_with("beta gamma\r\nalpha beta\r\n"));
  session().window.SetCaption(ControlId::cmdCountPhrases, u"");

  settings().wordOrder = 1;
  window().OnWordOrderChosen();
  EXPECT_TRUE(Output().ends_with("alpha beta\r\nbeta gamma\r\n"));
  EXPECT_EQ(Control(ControlId::cmdCountPhrases).caption, session().UIText(ui_text::kCountPhrases));
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdCountPhrases);

  session().run.startUpCompleted = false;
  settings().wordOrder = 0;
  window().OnWordOrderChosen();
  EXPECT_TRUE(Output().ends_with("alpha beta\r\nbeta gamma\r\n"));
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ReportActionsTest, LeavingFormatTwelveUnsortsByFilesAndListsOnce) {
  settings().displayFormat = 12;
  CountFolder();
  settings().sortByNumberOfFiles = true;
  window().OnSortByNumberOfFilesClicked();
  EXPECT_EQ(engine_->table().Rank(1), 1);  // alpha beta is in more files

  int listingYields = 0;
  pump_.onYield = [&] { listingYields += session().reports.listingRunning ? 1 : 0; };
  settings().displayFormat = 8;
  window().OnDisplayFormatChosen();
  EXPECT_FALSE(settings().sortByNumberOfFiles);
  EXPECT_EQ(engine_->table().Rank(2), 1);  // by count again
  EXPECT_EQ(listingYields, 2);             // one listing of two phrases
  EXPECT_TRUE(Output().ends_with("beta gamma\r\nalpha beta\r\n"));
}

TEST_F(ReportActionsTest, FileListBoxSelectsFormatTenAndRestoresTheFormerOne) {
  settings().source = Source::Folder;
  settings().displayFormat = 5;
  settings().fileListFormat = true;
  window().OnFileListFormatClicked();
  EXPECT_EQ(settings().displayFormat, 10);
  EXPECT_EQ(view.focusRequests.back(), ControlId::cboDisplayFormat);
  settings().fileListFormat = false;
  window().OnFileListFormatClicked();
  EXPECT_EQ(settings().displayFormat, 5);
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ReportActionsTest, ReenablingFileOutputOffersToWriteTheFile) {
  CountFile();
  const std::string out = (dir_ / "out.txt").string();
  settings().filePaths[1] = FromUtf8(out);
  dialogs_.answers = {Answer::No, Answer::Yes};
  window().OnDisableOutputToFileClicked();
  EXPECT_FALSE(std::filesystem::exists(out));
  window().OnDisableOutputToFileClicked();
  EXPECT_TRUE(Read(out).ends_with("beta gamma\t\r\nalpha beta\t\r\n"));
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Relist?");
  EXPECT_EQ(dialogs_.Ids(), (std::vector<MessageId>{MessageId::Relist, MessageId::Relist}));
  EXPECT_EQ(dialogs_.messages[0].text, u"Relist words (so as to write to file)?");
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdCountPhrases);

  settings().outputToFileDisabled = true;
  window().OnDisableOutputToFileClicked();
  EXPECT_EQ(dialogs_.messages.size(), 2u);
}

TEST_F(ReportActionsTest, ClearOutputForgetsTheCount) {
  CountFile();
  window().OnClearOutputClicked();
  EXPECT_EQ(Output(), "");
  EXPECT_FALSE(session().run.countAvailable);
  EXPECT_FALSE(Control(ControlId::lblNumberOfWords).visible);
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdCountPhrases);

  // Nothing is left to filter.
  settings().filterWords = u"beta";
  window().OnFilterClicked();
  EXPECT_EQ(Output(), "");
}

TEST_F(ReportActionsTest, EnterInTheFilterBoxListsOnlyMatchingPhrases) {
  CountFile();
  settings().filterWords = u" Gamma,";
  window().OnFilterWordsEntered();
  EXPECT_EQ(settings().filterWords, u"gamma");
  EXPECT_NE(Output().find("Phrase filtering (all filter words) has been applied.\r\n"
                          "Filter words: gamma\r\n"),
            std::string::npos);
  EXPECT_TRUE(Output().ends_with("characters]\r\nbeta gamma\r\n"));
  EXPECT_FALSE(session().reports.filterActive);
}

TEST_F(ReportActionsTest, FilterButtonDoesNothingWithoutWordsOrCompleteCount) {
  settings().filterWords = u"beta";
  window().OnFilterClicked();  // no count yet
  EXPECT_EQ(Output(), "");

  settings().filterWords.clear();
  CountFile();
  const std::string report = Output();
  settings().filterWords = u"  ";
  window().OnFilterClicked();
  EXPECT_EQ(Output(), report);
  session().run.startUpCompleted = false;
  settings().filterWords = u"beta";
  window().OnFilterClicked();
  EXPECT_EQ(Output(), report);
}

TEST_F(ReportActionsTest, ClearEmptiesTheFilterBoxAndOtherKeysEnableIt) {
  settings().filterWords = u"cat";
  window().OnClearFilterClicked();
  EXPECT_EQ(settings().filterWords, u"");
  EXPECT_FALSE(Control(ControlId::cmdClear).enabled);
  EXPECT_EQ(view.focusRequests.back(), ControlId::txbFilterWords);
  window().OnFilterWordsEdited();
  EXPECT_TRUE(Control(ControlId::cmdClear).enabled);
}

TEST_F(ReportActionsTest, FilteringIsOfferedOnlyForTheIgnoreModeOfTheLastCount) {
  session().reports.filterWordsParsed = u"the cat";
  session().run.ignoreModeCodeCounted = 2;
  window().OnIgnoreModeChosen(IgnoreMode::ExcludeContainingIgnored);
  EXPECT_FALSE(Control(ControlId::cmdFilterResults).enabled);
  EXPECT_FALSE(Control(ControlId::txbFilterWords).enabled);
  EXPECT_EQ(settings().filterWords, u"");

  window().OnIgnoreModeChosen(IgnoreMode::ExcludeAllIgnored);
  EXPECT_TRUE(Control(ControlId::cmdFilterResults).enabled);
  EXPECT_TRUE(Control(ControlId::txbFilterWords).enabled);
  EXPECT_EQ(settings().filterWords, u"the cat");
}

TEST_F(ReportActionsTest, MouseClicksExplainWhatTheProgramIsDoing) {
  SourceState& sources = session().sources;
  window().OnOutputLeftClicked();
  window().OnOutputRightClicked();
  EXPECT_TRUE(dialogs_.messages.empty());

  sources.listingFiles = true;
  window().OnOutputLeftClicked();
  sources.listingFiles = false;
  sources.readingFiles = true;
  window().OnOutputLeftClicked();  // words are not shown as found: no message
  settings().suppressWordsAsFound = false;
  window().OnOutputLeftClicked();
  settings().source = Source::Clipboard;
  window().OnOutputRightClicked();

  EXPECT_EQ(dialogs_.Titles(), (std::vector<Text>{u"Listing files to be scanned", u"Scanning files",
                                                  u"Text on clipboard"}));
  EXPECT_EQ(dialogs_.Ids(),
            (std::vector<MessageId>{MessageId::ListingFiles, MessageId::ScanningFiles,
                                    MessageId::HowToCountClipboard}));
  EXPECT_EQ(dialogs_.messages[1].text, u"Click on 'OK' to continue.");
  EXPECT_EQ(dialogs_.messages[2].text, u"To count phrases on the clipboard click on 'Count ...'");
}

}  // namespace
}  // namespace velt::testing
