// Runs that end before a listing, and the command line itself: messages on
// standard error and the exit status.
#include <filesystem>
#include <string>

#include "e2e/batch_test.h"

namespace velt::e2e {
namespace {

constexpr int kListed = 0;
constexpr int kEndedEarly = 1;
constexpr int kUsageError = 2;

class FailurePaths : public BatchTest {};

// The output file is checked before the source is read, but neither created
// nor emptied: only a complete listing writes it.
TEST_F(FailurePaths, MissingInputFileIsReported) {
  const std::string input = scratch_ / "missing.txt";

  const ChildResult result = Run(SingleFileSettings(input, OutputPath()));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, "[File not found] Input file does not exist.\n");
  EXPECT_EQ(result.out, "Now counting phrases in\n" + input + "\n\n");
  EXPECT_FALSE(std::filesystem::exists(OutputPath()));
}

TEST_F(FailurePaths, ZeroLengthInputFileIsRefused) {
  const std::string input = scratch_.Write("empty.txt", "");

  const ChildResult result = Run(SingleFileSettings(input));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, "[Empty file] Input file is zero-length!\n");
}

// 5 anomalous bytes in 100 make 5%: above the 1% limit, low enough for the hint.
TEST_F(FailurePaths, BinaryInputFileIsNotAText) {
  const std::string input =
      scratch_.Write("data.txt", "abcdefghij\x01\x02\x03\x04\x05" + std::string(85, 'x'));

  const ChildResult result = Run(SingleFileSettings(input));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[Not a text file] " + input +
                " is not a text file.\n\nThis file contains a byte 1 at position 11, indicating "
                "that it does not consist solely of text.  The percentage of such anomalous bytes "
                "in the first 16384 bytes is 5.00%.\n\nYou could try reading it using its "
                "associated application, then copying the text and pasting it into the textbox "
                "(then copy it to the clipboard and select 'Clipboard' as the source).\n");
  EXPECT_EQ(result.out, "");
}

// "Multiple files/folders" is answered Cancel: nothing is read or listed.
TEST_F(FailurePaths, SeveralFilesWithoutOutputFileAreNotCounted) {
  scratch_.Write("corpus/a.txt", "One two three. One two three.\r\n");
  scratch_.Write("corpus/b.txt", "One two three.\r\n");

  const ChildResult result = Run(FolderSettings(scratch_ / "corpus"));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[Multiple files/folders] When scanning multiple files or folders\n"
            "you must specify an output file in case\n"
            "the text window will not hold the result.\n");
  EXPECT_EQ(result.out, "");
}

TEST_F(FailurePaths, OutputFileInsideTheScannedFolderIsRefused) {
  scratch_.Write("corpus/a.txt", "One two three. One two three.\r\n");
  const std::string output = scratch_ / "corpus/out.txt";

  const ChildResult result = Run(FolderSettings(scratch_ / "corpus", output));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[Invalid output file] The output file cannot be in the folder or a subfolder.\n");
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(FailurePaths, FolderWithoutMatchingFilesIsReported) {
  scratch_.Write("corpus/a.txt", "One two three. One two three.\r\n");
  scratch_.Write("corpus/sub/c.md", "One two three.\r\n");
  Settings settings = FolderSettings(scratch_ / "corpus", OutputPath());
  settings.pathPatterns[0] = u"*.xyz";
  settings.includeSubfolders = true;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[No files found] No scanable files as specified were found in this folder or in its "
            "subfolders.\n");
}

// Files with skipped extensions are never read, whatever the patterns.
TEST_F(FailurePaths, FolderOfSkippedExtensionsHasNoScanableFile) {
  scratch_.Write("corpus/script.js", "One two three. One two three.\r\n");
  scratch_.Write("corpus/picture.png", "One two three. One two three.\r\n");

  const ChildResult result = Run(FolderSettings(scratch_ / "corpus"));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, "[No files found] No scanable files were found in this folder.\n");
}

// An exclusion text found in the chosen folder's own path skips everything.
TEST_F(FailurePaths, ExclusionTextInTheFolderPathSkipsTheWholeFolder) {
  scratch_.Write("corpus.bak/a.txt", "One two three. One two three.\r\n");
  scratch_.Write("corpus.bak/b.txt", "One two three.\r\n");
  Settings settings = FolderSettings(scratch_ / "corpus.bak");
  settings.pathPatterns[1] = u"bak";

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[No files found] No scanable files as specified were found in this folder.\n");
}

// The pattern box is committed as when it loses the focus, which validates
// it; the count validates it again.
TEST_F(FailurePaths, FilePatternWithAnInvalidCharacterStopsTheCount) {
  scratch_.Write("corpus/a.txt", "One two three. One two three.\r\n");
  Settings settings = FolderSettings(scratch_ / "corpus");
  settings.pathPatterns[0] = u"*.txt;";

  const ChildResult result = Run(settings);

  const std::string message =
      "[Invalid input] File pattern '*.txt;' contains an invalid character.\n";
  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, message + message);
}

// Committing "*.doc" gives the notice about .doc files; the pattern stays in
// force, and .doc files are skipped anyway.
TEST_F(FailurePaths, DocFilePatternGivesTheDocNotice) {
  scratch_.Write("corpus/a.txt", "One two three. One two three.\r\n");
  scratch_.Write("corpus/b.doc", "One two three. One two three.\r\n");
  Settings settings = FolderSettings(scratch_ / "corpus");
  settings.pathPatterns[0] = u"*.doc";

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[Match file patterns] This software does not process .doc files.  To process\n"
            "Word .doc files they should first be converted to .docx files.\n"
            "[No files found] No scanable files as specified were found in this folder.\n");
}

// The extra-words box is checked when it is committed and again by the count.
TEST_F(FailurePaths, ExtraWordWithACharacterNotAllowedStopsTheCount) {
  Settings settings = SingleFileSettings(scratch_.Write("in.txt", "One two three.\r\n"));
  settings.extraWords = u"user@host";

  const ChildResult result = Run(settings);

  const std::string message =
      "[Character not allowed] The character '@' occurs in some extra word-to-ignore\n"
      "but is not currently set as a character allowed in a word.\n";
  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, message + message);
}

// Nothing is counted and the output file is not touched.
TEST_F(FailurePaths, MaximumBelowMinimumPhraseLengthIsInvalid) {
  Settings settings =
      SingleFileSettings(scratch_.Write("in.txt", "One two three.\r\n"), OutputPath());
  settings.phraseLengthIndexes = {3, 1};

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "[Invalid input] The maximum number of words in each phrase\n"
            "must not be less than the minimum number.\n");
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists(OutputPath()));
}

// The clash is found before the output file is opened, so the input survives.
TEST_F(FailurePaths, OutputFileEqualToInputFileLeavesTheInputAlone) {
  const std::string text = "One two three. One two three.\r\n";
  const std::string input = scratch_.Write("in.txt", text);

  const ChildResult result = Run(SingleFileSettings(input, input));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, "[Error] The output file cannot be the same as the input file.\n");
  EXPECT_EQ(ReadBytes(input), text);
}

class CommandLine : public ::testing::Test {
 protected:
  ScratchDir scratch_{"velt-e2e"};
};

TEST_F(CommandLine, SettingsFileThatCannotBeReadIsAUsageError) {
  const ChildResult missing = RunBatchWith({scratch_ / "missing.velt"});
  EXPECT_EQ(missing.exitCode, kUsageError);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err, "");

  const ChildResult folder = RunBatchWith({scratch_.path().string()});
  EXPECT_EQ(folder.exitCode, kUsageError);
  EXPECT_EQ(folder.out, "");
  EXPECT_NE(folder.err, "");
}

TEST_F(CommandLine, BadArgumentsPrintTheUsage) {
  const std::string settingsFile = scratch_.Write("a.velt", "");
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                    {"--bogus", settingsFile},
                                                    {settingsFile, settingsFile},
                                                    {"--data-dir"}}) {
    const ChildResult result = RunBatchWith(arguments);
    EXPECT_EQ(result.exitCode, kUsageError) << ::testing::PrintToString(arguments);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Usage: velt-batch [--data-dir DIR] SETTINGS_FILE\n"),
              std::string::npos);
  }
}

TEST_F(CommandLine, HelpPrintsTheUsageAndSucceeds) {
  const ChildResult result = RunBatchWith({"--help"});

  EXPECT_EQ(result.exitCode, kListed);
  EXPECT_EQ(result.out.rfind("Usage: velt-batch [--data-dir DIR] SETTINGS_FILE\n", 0), 0u);
  EXPECT_EQ(result.err, "");
}

TEST_F(CommandLine, DataFolderWithoutTheTextTableIsAUsageError) {
  const std::string settingsFile = scratch_.Write("a.velt", "");
  const ScratchDir emptyData("velt-e2e-data");

  const ChildResult result = RunBatchWith({"--data-dir", emptyData.path().string(), settingsFile});

  EXPECT_EQ(result.exitCode, kUsageError);
  EXPECT_NE(result.err, "");
}

}  // namespace
}  // namespace velt::e2e
