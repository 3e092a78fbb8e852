#include "sources/source_controls.h"

#include "sources/input_checks.h"
#include "sources/source_test_support.h"

namespace velt {
namespace {

class SourceControlsTest : public testing::SourceTest {
 protected:
  const ControlState& Control(ControlId id) { return shell.window.Get(id); }
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
  EXPECT_EQ(CheckInputFileName(context, u"  " + FromUtf8(file) + u" "), InputFileStatus::Ok);
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"Filesize: 9.77 Kb");
  EXPECT_EQ(CheckInputFileName(context, FromUtf8(dir.path().string()) + u"/"),
            InputFileStatus::EndsWithSlash);
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"");
  EXPECT_EQ(CheckInputFileName(context, FromUtf8(dir.path().string())), InputFileStatus::Missing);
  EXPECT_EQ(CheckInputFileName(context, FromUtf8(testing::TestData("empty.txt"))),
            InputFileStatus::ZeroLength);
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"Filesize: 0 bytes");

  for (const InputFileStatus status :
       {InputFileStatus::EndsWithSlash, InputFileStatus::Missing, InputFileStatus::ZeroLength,
        InputFileStatus::OutputIsInput}) {
    ShowInputFileMessage(shell, settings, status);
  }
  settings.filePaths[0] = u"x";
  ShowInputFileMessage(shell, settings, InputFileStatus::ZeroLength);
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<Text>{u"Invalid input file specification.", u"Input file does not exist.",
                               u"Input file not specified.",
                               u"The output file cannot be the same as the input file.",
                               u"Input file is zero-length."}));
  EXPECT_EQ(dialogs.Titles(),
            (std::vector<Text>{u"Invalid input", u"File not found", u"Error", u"Error", u"Error"}));
  EXPECT_EQ(dialogs.Ids(),
            (std::vector<MessageId>{MessageId::InvalidInputFileSpecification,
                                    MessageId::InputFileMissing, MessageId::InputFileNotSpecified,
                                    MessageId::OutputIsInput, MessageId::InputFileZeroLength}));
}

TEST_F(SourceControlsTest, CheckBeforeCountLooksAtTheSelectedSource) {
  settings.source = Source::Clipboard;
  EXPECT_FALSE(CheckSourceBeforeCount(shell, settings));
  clipboard.SetText(u"words");
  EXPECT_TRUE(CheckSourceBeforeCount(shell, settings));

  settings.source = Source::SingleFile;
  settings.filePaths[0] = u"   ";
  EXPECT_FALSE(CheckSourceBeforeCount(shell, settings));
  EXPECT_EQ(settings.filePaths[0], u"");
  settings.filePaths[0] = FromUtf8(testing::TestData("empty.txt"));
  EXPECT_FALSE(CheckSourceBeforeCount(shell, settings));
  settings.filePaths[0] = FromUtf8(dir.File("missing.txt"));
  EXPECT_TRUE(CheckSourceBeforeCount(shell, settings));  // the run reports the missing file

  settings.source = Source::Folder;
  EXPECT_FALSE(CheckSourceBeforeCount(shell, settings));
  EXPECT_EQ(
      dialogs.Texts(),
      (std::vector<Text>{shell.UIText(ui_text::kNoClipboardText), u"Input file not specified!",
                         u"Input file is zero-length!", u"Folder not specified."}));
  EXPECT_EQ(dialogs.Titles(), (std::vector<Text>{shell.UIText(ui_text::kProgramName),
                                                 u"Invalid input", u"Empty file", u"Error"}));
  EXPECT_EQ(dialogs.Ids(), (std::vector<MessageId>{
                               MessageId::NoClipboardText, MessageId::CountWithoutInputFile,
                               MessageId::CountEmptyInputFile, MessageId::FolderNotSpecified}));
}

TEST_F(SourceControlsTest, SwitchingSourcesKeepsTheBoxesOfEachSource) {
  settings.filePaths[0] = u"/data/typed.txt";
  SelectSource(context, Source::Folder);
  EXPECT_TRUE(Control(ControlId::txbFolder).visible);
  EXPECT_FALSE(Control(ControlId::txbFile_0).visible);
  EXPECT_TRUE(Control(ControlId::chkFileList).enabled);
  settings.inputFolder = FromUtf8(dir.path().string());
  settings.filePaths[0] = u"/data/scanned/file.txt";  // the walk writes here
  SelectSource(context, Source::SingleFile);
  EXPECT_EQ(settings.filePaths[0], u"/data/typed.txt");
  EXPECT_FALSE(Control(ControlId::txbFolder).visible);
  EXPECT_TRUE(Control(ControlId::cmdFile_0).enabled);
  EXPECT_FALSE(Control(ControlId::cmdFolder).enabled);
  SelectSource(context, Source::Clipboard);
  EXPECT_FALSE(Control(ControlId::txbFile_0).visible);
  EXPECT_FALSE(Control(ControlId::cmdClipboardViewer).visible);
  SelectSource(context, Source::Folder);
  EXPECT_EQ(settings.inputFolder, FromUtf8(dir.path().string()));
  EXPECT_FALSE(run.countAvailable);
}

TEST_F(SourceControlsTest, IncludeSubfoldersIsAvailableOnlyForAFolderWithSubfolders) {
  settings.source = Source::Folder;
  settings.includeSubfolders = true;
  settings.inputFolder = FromUtf8(dir.path().string());
  dir.Write("file.txt", "x");
  UpdateIncludeSubfolders(shell, settings);
  EXPECT_FALSE(Control(ControlId::chkIncludeSubfolders).enabled);
  EXPECT_FALSE(settings.includeSubfolders);
  dir.Write("sub/file.txt", "x");
  UpdateIncludeSubfolders(shell, settings);
  EXPECT_TRUE(Control(ControlId::chkIncludeSubfolders).enabled);
  settings.inputFolder.clear();
  UpdateIncludeSubfolders(shell, settings);
  EXPECT_FALSE(Control(ControlId::chkIncludeSubfolders).enabled);
}

TEST_F(SourceControlsTest, ChoosersFillTheBoxesAndRefuseAnOutputFileInTheFolder) {
  const std::string input = dir.Write("chosen.txt", "text");
  dialogs.openFileAnswers = {FromUtf8(input)};
  EXPECT_TRUE(ChooseInputFile(context));
  EXPECT_EQ(dialogs.fileDialogs[0].title, shell.UIText(ui_text::kSpecifyInputFileTitle));
  EXPECT_TRUE(dialogs.fileDialogs[0].mustExist);
  EXPECT_EQ(settings.filePaths[0], FromUtf8(input));
  EXPECT_EQ(sources.savedInputFile, FromUtf8(input));
  EXPECT_EQ(Control(ControlId::lblFilesize).caption, u"Filesize: 4 bytes");
  EXPECT_EQ(hooks.previousResultsCleared, 1);
  EXPECT_FALSE(ChooseInputFile(context));  // nothing chosen
  EXPECT_EQ(hooks.previousResultsCleared, 1);

  SelectSource(context, Source::Folder);
  settings.inputFolder = FromUtf8(dir.path().string());
  dialogs.saveFileAnswers = {FromUtf8(dir.File("sub/out.txt")), FromUtf8("/elsewhere/out.txt")};
  EXPECT_FALSE(ChooseOutputFile(shell, settings));
  EXPECT_EQ(dialogs.Texts(),
            std::vector<Text>{u"The output file cannot be in the folder or a subfolder"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::ChosenOutputFileInFolder});
  EXPECT_EQ(settings.filePaths[1], u"");
  settings.outputToFileDisabled = true;
  EXPECT_TRUE(ChooseOutputFile(shell, settings));
  EXPECT_EQ(settings.filePaths[1], u"/elsewhere/out.txt");
  EXPECT_FALSE(settings.outputToFileDisabled);
  EXPECT_TRUE(Control(ControlId::chkDisableOutputToFile).enabled);

  dialogs.folderAnswers = {FromUtf8("/some/folder")};
  run.countAvailable = true;
  EXPECT_TRUE(ChooseFolder(context));
  EXPECT_EQ(settings.inputFolder, u"/some/folder");
  EXPECT_FALSE(run.countAvailable);
  EXPECT_TRUE(sources.fileCountOutOfDate);
}

}  // namespace
}  // namespace velt
