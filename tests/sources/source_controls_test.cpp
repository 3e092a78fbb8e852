#include "sources/source_controls.h"

#include "sources/input_checks.h"
#include "sources/source_test_support.h"

namespace velt {
namespace {

class SourceControlsTest : public testing::SourceTest {
 protected:
  const ControlState& Control(ControlId id) { return session.window.Get(id); }
};

TEST(SizeLabelText, BytesKilobytesAndMegabytesWithTheLocaleSeparators) {
  const NumberFormat numbers;
  EXPECT_EQ(SizeLabelText(numbers, 9999), u"9,999 bytes");
  EXPECT_EQ(SizeLabelText(numbers, 10000), u"9.77 Kb");
  EXPECT_EQ(SizeLabelText(numbers, 1048575), u"1,024.00 Kb");
  EXPECT_EQ(SizeLabelText(numbers, 1048576), u"1.00 Mb");
  const NumberFormat german{u'.', u','};
  EXPECT_EQ(SizeLabelText(german, 9999), u"9.999 bytes");
  EXPECT_EQ(SizeLabelText(german, 10000), u"9,77 Kb");
}

TEST_F(SourceControlsTest, InputNameCodesAndTheirMessages) {
  const std::string file = dir.Write("in.txt", std::string(10000, 'x'));
  EXPECT_EQ(CheckInputFileName(session, u"  " + FromUtf8(file) + u" "), input_file::kOk);
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"Filesize: 9.77 Kb");
  EXPECT_EQ(CheckInputFileName(session, FromUtf8(dir.path()) + u"/"), input_file::kEndsWithSlash);
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"");
  EXPECT_EQ(CheckInputFileName(session, FromUtf8(dir.path())), input_file::kMissing);
  EXPECT_EQ(CheckInputFileName(session, FromUtf8(testing::TestData("empty.txt"))),
            input_file::kZeroLength);
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"Filesize: 0 bytes");

  for (int code = 1; code <= 4; ++code)
    ShowInputFileMessage(session, code);
  session.settings.filePaths[0] = u"x";
  ShowInputFileMessage(session, 3);
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<Text>{u"Invalid input file specification.", u"Input file does not exist.",
                               u"Input file not specified.",
                               u"The output file cannot be the same as the input file.",
                               u"Input file is zero-length."}));
  EXPECT_EQ(dialogs.Titles(),
            (std::vector<Text>{u"Invalid input", u"File not found", u"Error", u"Error", u"Error"}));
}

TEST_F(SourceControlsTest, CheckBeforeCountLooksAtTheSelectedSource) {
  session.settings.source = Source::Clipboard;
  EXPECT_FALSE(CheckSourceBeforeCount(session));
  clipboard.SetText(u"words");
  EXPECT_TRUE(CheckSourceBeforeCount(session));

  session.settings.source = Source::SingleFile;
  session.settings.filePaths[0] = u"   ";
  EXPECT_FALSE(CheckSourceBeforeCount(session));
  EXPECT_EQ(session.settings.filePaths[0], u"");
  session.settings.filePaths[0] = FromUtf8(testing::TestData("empty.txt"));
  EXPECT_FALSE(CheckSourceBeforeCount(session));
  session.settings.filePaths[0] = FromUtf8(dir.File("missing.txt"));
  EXPECT_TRUE(CheckSourceBeforeCount(session));  // the run reports the missing file

  session.settings.source = Source::Folder;
  EXPECT_FALSE(CheckSourceBeforeCount(session));
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<Text>{session.UIText(213), u"Input file not specified!",
                               u"Input file is zero-length!", u"Folder not specified."}));
  EXPECT_EQ(dialogs.Titles(), (std::vector<Text>{session.UIText(kProgramNameText), u"Invalid input",
                                                 u"Empty file", u"Error"}));
}

TEST_F(SourceControlsTest, SwitchingSourcesKeepsTheBoxesOfEachSource) {
  session.settings.filePaths[0] = u"/data/typed.txt";
  OnSourceChosen(session, Source::Folder);
  EXPECT_TRUE(Control(ControlId::txbFolder).visible);
  EXPECT_FALSE(Control(ControlId::txbFile_0).visible);
  EXPECT_TRUE(Control(ControlId::chkFileList).enabled);
  session.settings.inputFolder = FromUtf8(dir.path());
  session.settings.filePaths[0] = u"/data/scanned/file.txt";  // the walk writes here
  OnSourceChosen(session, Source::SingleFile);
  EXPECT_EQ(session.settings.filePaths[0], u"/data/typed.txt");
  EXPECT_FALSE(Control(ControlId::txbFolder).visible);
  EXPECT_TRUE(Control(ControlId::cmdFile_0).enabled);
  EXPECT_FALSE(Control(ControlId::cmdFolder).enabled);
  OnSourceChosen(session, Source::Clipboard);
  EXPECT_FALSE(Control(ControlId::txbFile_0).visible);
  EXPECT_FALSE(Control(ControlId::cmdClipboardViewer).visible);
  OnSourceChosen(session, Source::Folder);
  EXPECT_EQ(session.settings.inputFolder, FromUtf8(dir.path()));
  EXPECT_FALSE(session.run.countAvailable);
}

TEST_F(SourceControlsTest, IncludeSubfoldersIsAvailableOnlyForAFolderWithSubfolders) {
  session.settings.source = Source::Folder;
  session.settings.includeSubfolders = true;
  session.settings.inputFolder = FromUtf8(dir.path());
  dir.Write("file.txt", "x");
  UpdateIncludeSubfolders(session);
  EXPECT_FALSE(Control(ControlId::chkIncludeSubfolders).enabled);
  EXPECT_FALSE(session.settings.includeSubfolders);
  dir.Write("sub/file.txt", "x");
  UpdateIncludeSubfolders(session);
  EXPECT_TRUE(Control(ControlId::chkIncludeSubfolders).enabled);
  session.settings.inputFolder.clear();
  UpdateIncludeSubfolders(session);
  EXPECT_FALSE(Control(ControlId::chkIncludeSubfolders).enabled);
}

TEST_F(SourceControlsTest, ChoosersFillTheBoxesAndRefuseAnOutputFileInTheFolder) {
  const std::string input = dir.Write("chosen.txt", "text");
  session.settings.source = Source::Clipboard;
  dialogs.openFileAnswers = {FromUtf8(input)};
  OnFileButtonClicked(context, 0);
  EXPECT_EQ(dialogs.fileDialogs[0].title, session.UIText(46));
  EXPECT_TRUE(dialogs.fileDialogs[0].mustExist);
  EXPECT_EQ(session.settings.source, Source::SingleFile);
  EXPECT_EQ(session.settings.filePaths[0], FromUtf8(input));
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"Filesize: 4 bytes");
  EXPECT_EQ(hooks.previousResultsCleared, 1);

  OnSourceChosen(session, Source::Folder);
  session.settings.inputFolder = FromUtf8(dir.path());
  dialogs.saveFileAnswers = {FromUtf8(dir.File("sub/out.txt")), FromUtf8("/elsewhere/out.txt")};
  OnFileButtonClicked(context, 1);
  EXPECT_EQ(dialogs.Texts(),
            std::vector<Text>{u"The output file cannot be in the folder or a subfolder"});
  EXPECT_EQ(session.settings.filePaths[1], u"");
  session.settings.outputToFileDisabled = true;
  OnFileButtonClicked(context, 1);
  EXPECT_EQ(session.settings.filePaths[1], u"/elsewhere/out.txt");
  EXPECT_FALSE(session.settings.outputToFileDisabled);
  EXPECT_TRUE(Control(ControlId::chkDisableOutputToFile).enabled);

  dialogs.folderAnswers = {FromUtf8("/some/folder")};
  OnFolderButtonClicked(context);
  EXPECT_EQ(session.settings.inputFolder, u"/some/folder");
  EXPECT_TRUE(session.settings.outputToFileDisabled);
}

TEST_F(SourceControlsTest, BoxesLosingTheFocusAndClearButtons) {
  session.settings.filePaths[0] = u" " + FromUtf8(dir.path()) + u"/ ";
  OnFilePathLeft(session, 0);
  EXPECT_EQ(dialogs.Texts(), std::vector<Text>{u"Invalid input file specification."});
  session.settings.filePaths[1] = u"";
  session.settings.outputToFileDisabled = true;
  OnFilePathLeft(session, 1);
  EXPECT_FALSE(session.settings.outputToFileDisabled);
  EXPECT_FALSE(Control(ControlId::chkDisableOutputToFile).enabled);

  session.settings.inputFolder = FromUtf8(dir.File("missing"));
  OnFolderLeft(session);
  EXPECT_EQ(dialogs.Texts().back(), session.UIText(48));

  session.settings.filePaths[1] = u"/out.txt";
  session.settings.outputToFileDisabled = true;
  OnClearFileClicked(session, 1);
  EXPECT_EQ(session.settings.filePaths[1], u"");
  EXPECT_FALSE(session.settings.outputToFileDisabled);
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdFile_1);
  OnClearFolderClicked(session);
  EXPECT_EQ(session.settings.inputFolder, u"");
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdFolder);
}

}  // namespace
}  // namespace velt
