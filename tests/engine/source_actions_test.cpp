// The main window's source controls as the user works them: the choosers
// select their source, the boxes are checked when they lose the focus, the
// "Clear" buttons hand the focus to their chooser, the pattern boxes are
// normalised, and listing the files leaves the window as it was.
#include <stdlib.h>

#include <optional>

#include "doubles/recording_view.h"
#include "engine/main_window_controller.h"
#include "engine_fixture.h"
#include "sources/file_patterns.h"

namespace velt::testing {
namespace {

namespace fs = std::filesystem;

class SourceActionsTest : public EngineTest {
 protected:
  // The engine of EngineTest on a view that records the focus requests.
  void SetUp() override {
    EngineTest::SetUp();
    engine_ = std::make_unique<Engine>(
        Seams{dialogs_, view_, pump_, clipboard_}, texts_,
        EngineOptions{VELT_DATA_DIR, (dir_ / "state.usr").string(), NumberFormat()});
    engine_->SetBatchMode(true);
    engine_->SetUpBeforeShow();
    session().run.startUpCompleted = true;
    dialogs_.messages.clear();
  }
  void TearDown() override {
    engine_.reset();
    if (savedTmpDir_) {
      setenv("TMPDIR", savedTmpDir_->c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    EngineTest::TearDown();
  }

  // Makes $TMPDIR a private folder until the test ends.
  fs::path UsePrivateTmpDir() {
    if (const char* tmp = std::getenv("TMPDIR")) savedTmpDir_ = tmp;
    const fs::path folder = dir_ / "tmp";
    fs::create_directories(folder);
    setenv("TMPDIR", folder.c_str(), 1);
    return folder;
  }

  MainWindowController& window() { return engine_->mainWindow(); }
  const ControlState& Control(ControlId id) { return session().window.Get(id); }

  RecordingView view_;
  std::optional<std::string> savedTmpDir_;
};

TEST_F(SourceActionsTest, ChoosersSelectTheirSourceAndANewFolderDisablesOutputToFile) {
  const Text input = FromUtf8(Write("chosen.txt", "text"));
  settings().source = Source::Clipboard;
  session().run.countAvailable = true;
  dialogs_.openFileAnswers = {input};
  window().OnFileButtonClicked(0);
  EXPECT_EQ(settings().source, Source::SingleFile);
  EXPECT_EQ(settings().filePaths[0], input);
  EXPECT_FALSE(session().run.countAvailable);
  EXPECT_TRUE(Control(ControlId::txbFile_0).visible);
  EXPECT_EQ(view_.focusRequests.back(), ControlId::cmdCountPhrases);

  window().OnSourceChosen(Source::Folder);
  settings().inputFolder = FromUtf8(dir_.string());
  dialogs_.saveFileAnswers = {FromUtf8((dir_ / "sub" / "out.txt").string())};
  window().OnFileButtonClicked(1);
  EXPECT_EQ(dialogs_.Texts(),
            std::vector<Text>{u"The output file cannot be in the folder or a subfolder"});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::ChosenOutputFileInFolder});
  EXPECT_EQ(settings().source, Source::Folder);

  dialogs_.folderAnswers = {FromUtf8("/some/folder")};
  session().window.SetVisible(ControlId::lblNumberOfWords, true);
  window().OnFolderButtonClicked();
  EXPECT_EQ(settings().inputFolder, u"/some/folder");
  EXPECT_TRUE(settings().outputToFileDisabled);
  EXPECT_FALSE(Control(ControlId::lblNumberOfWords).visible);
}

TEST_F(SourceActionsTest, BoxesLosingTheFocusAndClearButtons) {
  settings().filePaths[0] = u" " + FromUtf8(dir_.string()) + u"/ ";
  window().OnFilePathLeft(0);
  EXPECT_EQ(dialogs_.Texts(), std::vector<Text>{u"Invalid input file specification."});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::InvalidInputFileSpecification});
  EXPECT_EQ(view_.focusRequests.back(), ControlId::cmdCountPhrases);
  settings().filePaths[1] = u"";
  settings().outputToFileDisabled = true;
  window().OnFilePathLeft(1);
  EXPECT_FALSE(settings().outputToFileDisabled);
  EXPECT_FALSE(Control(ControlId::chkDisableOutputToFile).enabled);

  settings().inputFolder = FromUtf8((dir_ / "missing").string());
  window().OnFolderLeft();
  EXPECT_EQ(dialogs_.Texts().back(), session().UIText(ui_text::kFolderMissing));
  EXPECT_EQ(dialogs_.Ids().back(), MessageId::InputFolderMissing);

  settings().filePaths[1] = u"/out.txt";
  settings().outputToFileDisabled = true;
  window().OnClearFileClicked(1);
  EXPECT_EQ(settings().filePaths[1], u"");
  EXPECT_FALSE(settings().outputToFileDisabled);
  EXPECT_EQ(view_.focusRequests.back(), ControlId::cmdFile_1);
  window().OnClearFolderClicked();
  EXPECT_EQ(settings().inputFolder, u"");
  EXPECT_EQ(view_.focusRequests.back(), ControlId::cmdFolder);
}

TEST_F(SourceActionsTest, PathBoxesAreNotCheckedWhileTheWindowIsDisabled) {
  session().window.SetEnabled(ControlId::frmMain, false);
  settings().filePaths[0] = u" /missing/in.txt ";
  settings().inputFolder = u" /missing ";
  window().OnFilePathLeft(0);
  window().OnFolderLeft();
  EXPECT_EQ(settings().filePaths[0], u" /missing/in.txt ");
  EXPECT_EQ(settings().inputFolder, u" /missing ");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SourceActionsTest, PatternItemsAreNormalisedStoredLowerCasedAndValidated) {
  settings().pathPatterns[0] = u"  *.TXT,,a*.htm*   b.xml , ";
  window().OnPathPatternsLeft(0);
  EXPECT_EQ(settings().pathPatterns[0], u"*.TXT, a*.htm*, b.xml");
  EXPECT_EQ(session().sources.filePatterns, (std::vector<Text>{u"*.txt", u"a*.htm*", u"b.xml"}));
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(Control(ControlId::txbFileFilepathSpecifications_0).tooltip, u"");
  EXPECT_EQ(Control(ControlId::txbFileFilepathSpecifications_1).tooltip, u"E.g., copy, bak");

  settings().pathPatterns[1] = u"draft* old";
  window().OnPathPatternsLeft(1);
  EXPECT_EQ(dialogs_.Texts(),
            std::vector<Text>{u"Folder pattern 'draft*' contains an invalid character."});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::InvalidPatternCharacter});
  EXPECT_FALSE(CheckFilePatterns(session().shell, session().sources));

  session().run.countAvailable = true;
  settings().pathPatterns[1] = u"";
  window().OnPathPatternsLeft(1);
  EXPECT_TRUE(session().sources.exclusionTexts.empty());
  EXPECT_TRUE(session().run.countAvailable);  // an empty box changes nothing else
  settings().pathPatterns[0] = u"dir/*.txt";
  window().OnPathPatternsLeft(0);
  EXPECT_EQ(dialogs_.Texts().back(), u"File pattern 'dir/*.txt' contains an invalid character.");
  EXPECT_EQ(dialogs_.Titles().back(), u"Invalid input");
  EXPECT_EQ(dialogs_.Ids().back(), MessageId::InvalidPatternCharacter);
  EXPECT_FALSE(session().run.countAvailable);
}

TEST_F(SourceActionsTest, DocPatternsAreExplainedAndLongTextsBecomeTooltips) {
  settings().pathPatterns[0] = u"*.doc";
  window().OnPathPatternsLeft(0);
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Match file patterns");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::DocFilesNotProcessed);
  EXPECT_EQ(dialogs_.messages[0].text,
            u"This software does not process .doc files.  To process\r\n"
            u"Word .doc files they should first be converted to .docx files.");

  settings().pathPatterns[0] = u"*.docx, *.txt, *.html, chapter*.xml";
  window().OnPathPatternsLeft(0);
  EXPECT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(Control(ControlId::txbFileFilepathSpecifications_0).tooltip,
            u"*.docx, *.txt, *.html, chapter*.xml");
}

// The DOCX temporary folders of a count go with the listing; the listing
// leaves the controls enabled and no file shown as being read.
TEST_F(SourceActionsTest, ListingFilesLeavesTheWindowAsBeforeAndRemovesTheTemporaryFolders) {
  const fs::path tempRoot = UsePrivateTmpDir();
  Write("tmp/VELT001/theirs.txt", "another program's folder");
  const std::string docx = (dir_ / "sample.docx").string();
  fs::copy_file(std::string(VELT_TEST_DATA_DIR) + "/sample.docx", docx);
  UseFile(docx, 2, 3, 1);
  engine_->mainWindow().OnCountClicked();
  const std::string area = session().sources.tempArea.path();
  ASSERT_NE(area, "");

  Write("folder/a.txt", "plain words\r\n");
  window().OnSourceChosen(Source::Folder);
  settings().inputFolder = FromUtf8((dir_ / "folder").string());
  window().OnListFilesClicked();
  EXPECT_NE(session().textWindow.text().find(u"1 file in 1 folder will be scanned."), Text::npos);
  EXPECT_FALSE(fs::exists(area));
  EXPECT_TRUE(fs::exists(tempRoot / "VELT001" / "theirs.txt"));
  EXPECT_TRUE(dialogs_.messages.empty());
  for (const ControlId id : {ControlId::cmdListFiles, ControlId::cmdCountPhrases,
                             ControlId::cmdFolder, ControlId::txbFolder}) {
    EXPECT_TRUE(Control(id).enabled) << static_cast<int>(id);
  }
  for (const ControlId id :
       {ControlId::txbFile_0, ControlId::lblFile, ControlId::lblFilesize, ControlId::lblXMLsize}) {
    EXPECT_FALSE(Control(id).visible) << static_cast<int>(id);
  }
  EXPECT_FALSE(session().sources.listingFiles);
  EXPECT_FALSE(session().run.stopRequested);
}

}  // namespace
}  // namespace velt::testing
