// A folder with a subfolder, read through a file pattern: the files-scanned
// sentence, the folder-only formats 10 to 12 with the "{Folder}" shorthand,
// and sorting by number of files.
#include <string>

#include "e2e/batch_test.h"
#include "settings/state_format.h"
#include "text/text.h"

namespace velt::e2e {
namespace {

// alpha.txt (top folder) and sub/beta.txt match "*.txt"; notes.md would
// change every count if it were read. Each folder holds one matching file,
// so the file numbers do not depend on the order of the folder listing.
constexpr char kAlpha[] =
    "Green tea helps. Green tea helps. Green tea helps.\r\n"
    "Fresh bread smells good.\r\n";
constexpr char kBeta[] = "Fresh bread smells good.\r\n";
constexpr char kNotes[] = "Green tea helps. Fresh bread smells good.\r\n";

constexpr char kSummary[] = "There are 2 phrases with 2 to 4 words which occur at least twice.\n";
constexpr char kOnePhraseSummary[] =
    "There is one phrase with 2 to 4 words which occurs at least twice.\n";

void WriteCorpus(const ScratchDir& dir, const std::string& folder) {
  const std::string prefix = folder.empty() ? "" : folder + "/";
  dir.Write(prefix + "alpha.txt", kAlpha);
  dir.Write(prefix + "notes.md", kNotes);
  dir.Write(prefix + "sub/beta.txt", kBeta);
}

class FolderSource : public BatchTest {
 protected:
  void SetUp() override { WriteCorpus(scratch_, "corpus"); }

  std::string Folder() const { return scratch_ / "corpus"; }

  // Both files, lengths 2 to 4, listed by frequency into the output file.
  Settings CorpusSettings(int format) const {
    Settings settings = FolderSettings(Folder(), OutputPath());
    settings.pathPatterns[0] = u"*.txt";
    settings.includeSubfolders = true;
    settings.phraseLengthIndexes = {0, 2};
    settings.displayFormat = format;
    return settings;
  }

  std::string FileHeader(const std::string& scanned) const {
    return "Folder: " + Folder() + " plus any subfolders\n" + scanned + "\n";
  }
};

TEST_F(FolderSource, Format10ListsFilesPerPhraseWithAnEmptyColumnInTheFile) {
  const ChildResult result = Run(CorpusSettings(10));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, std::string("2 files (in 2 folders) were scanned.\n") + kSummary +
                            "  Phrase                      Freq  Files\n"
                            "  green tea helps                3     1\n"
                            "  fresh bread smells good        2     2\n");
  EXPECT_EQ(OutputFile(), WithCrLf(FileHeader("2 files (in 2 folders) were scanned.\n") + kSummary +
                                   "Phrase\t\t    Freq\t Files\n"
                                   "green tea helps\t\t       3\t    1\n"
                                   "fresh bread smells good\t\t       2\t    2\n"));
}

// 3 of the 5 occurrences is 60%, 2 of 5 is 40%.
TEST_F(FolderSource, Format10WithRelativeFrequency) {
  Settings settings = CorpusSettings(10);
  settings.relativeFrequency = true;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, std::string("2 files (in 2 folders) were scanned.\n") + kSummary +
                            "  Phrase                  Rel freq  Files\n"
                            "  green tea helps           60.00%     1\n"
                            "  fresh bread smells good   40.00%     2\n");
  EXPECT_EQ(OutputFile(), WithCrLf(FileHeader("2 files (in 2 folders) were scanned.\n") + kSummary +
                                   "Phrase\t\tRel freq\t Files\n"
                                   "green tea helps\t\t  60.00%\t    1\n"
                                   "fresh bread smells good\t\t  40.00%\t    2\n"));
}

TEST_F(FolderSource, Format11ListsTheFilesOfEachPhraseUnderTheFolderShorthand) {
  const ChildResult result = Run(CorpusSettings(11));

  const std::string folderLine = "{Folder} = " + Folder() + "\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, std::string("2 files (in 2 folders) were scanned.\n") + kSummary + "\n" +
                            folderLine +
                            "\n"
                            "green tea helps\n"
                            "    {Folder}/alpha.txt\n"
                            "\n"
                            "fresh bread smells good\n"
                            "    {Folder}/alpha.txt\n"
                            "    {Folder}/sub/beta.txt\n"
                            "\n");
  EXPECT_EQ(OutputFile(), WithCrLf(FileHeader("2 files (in 2 folders) were scanned.\n") + kSummary +
                                   "\n" + folderLine +
                                   "\n"
                                   "green tea helps\t\n"
                                   "    {Folder}/alpha.txt\n"
                                   "\n"
                                   "fresh bread smells good\t\n"
                                   "    {Folder}/alpha.txt\n"
                                   "    {Folder}/sub/beta.txt\n"
                                   "\n"));
}

// Per-file lines are sorted in descending order of their text; the count,
// right-aligned in 5 characters, is moved a further 4 to the right.
TEST_F(FolderSource, Format12SortsThePerFileCountsOfEachPhrase) {
  const ChildResult result = Run(CorpusSettings(12));

  const std::string body = "{Folder} = " + Folder() +
                           "\n"
                           "green tea helps\n"
                           "        3 {Folder}/alpha.txt\n"
                           "fresh bread smells good\n"
                           "        1 {Folder}/sub/beta.txt\n"
                           "        1 {Folder}/alpha.txt\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "2 files (in 2 folders) were scanned.\n" + std::string(kSummary) + body);
  const std::string fileBody = "{Folder} = " + Folder() +
                               "\n"
                               "green tea helps\t\n"
                               "        3 {Folder}/alpha.txt\n"
                               "fresh bread smells good\t\n"
                               "        1 {Folder}/sub/beta.txt\n"
                               "        1 {Folder}/alpha.txt\n";
  EXPECT_EQ(OutputFile(),
            WithCrLf(FileHeader("2 files (in 2 folders) were scanned.\n") + kSummary + fileBody));
}

// 3 of the 5 occurrences is 60%, 1 of 5 is 20%; no file is written.
TEST_F(FolderSource, Format12WithRelativeFrequencyShowsPercentagesPerFile) {
  Settings settings = CorpusSettings(12);
  settings.relativeFrequency = true;
  // A named but disabled output file lets two files be read and is never written.
  settings.outputToFileDisabled = true;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "2 files (in 2 folders) were scanned.\n" + std::string(kSummary) +
                            "{Folder} = " + Folder() +
                            "\n"
                            "green tea helps\n"
                            "  60.00% {Folder}/alpha.txt\n"
                            "fresh bread smells good\n"
                            "  20.00% {Folder}/sub/beta.txt\n"
                            "  20.00% {Folder}/alpha.txt\n");
  EXPECT_EQ(OutputFile(), "");
}

TEST_F(FolderSource, SortByNumberOfFilesPutsThePhraseOfTwoFilesFirst) {
  Settings settings = CorpusSettings(12);
  settings.sortByNumberOfFiles = true;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "2 files (in 2 folders) were scanned.\n" + std::string(kSummary) +
                            "{Folder} = " + Folder() +
                            "\n"
                            "fresh bread smells good\n"
                            "        1 {Folder}/sub/beta.txt\n"
                            "        1 {Folder}/alpha.txt\n"
                            "green tea helps\n"
                            "        3 {Folder}/alpha.txt\n");
}

// An excluded subfolder is still counted as a folder entered.
TEST_F(FolderSource, ExclusionTextSkipsTheSubfolder) {
  Settings settings = CorpusSettings(0);
  settings.pathPatterns[1] = u"sub";

  const ChildResult result = Run(settings);

  const std::string report =
      "     Rank      Freq  Phrase [longest has 15 characters]\n"
      "        1         3  green tea helps\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "1 file (in 2 folders) was scanned.\n" + std::string(kOnePhraseSummary) + report);
  EXPECT_EQ(OutputFile(),
            WithCrLf(FileHeader("1 file (in 2 folders) was scanned.\n") + kOnePhraseSummary +
                     "    Rank\t    Freq\tPhrase\t [longest has 15 characters]\n"
                     "       1\t       3\tgreen tea helps\t\n"));
}

// One matching file in one folder needs no output file.
TEST_F(FolderSource, OneMatchingFileIsReadWithoutAnOutputFile) {
  Settings settings = CorpusSettings(0);
  settings.filePaths[1].clear();
  settings.includeSubfolders = false;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "1 file (in 1 folder) was scanned.\n" + std::string(kOnePhraseSummary) +
                            "     Rank      Freq  Phrase [longest has 15 characters]\n"
                            "        1         3  green tea helps\n");
}

// A folder run by frequency with a minimum of one occurrence asks whether to
// reset the minimum; velt-batch answers No and counts.
TEST_F(FolderSource, MinimumOfOneOccurrenceIsQuestionedAndKept) {
  Settings settings = CorpusSettings(0);
  settings.filePaths[1].clear();
  settings.includeSubfolders = false;
  settings.minimumFrequencyIndex = 0;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err,
            "[Minimum number of occurrences] If you are just interested in the most frequently "
            "occurring phrases then the minimum number of occurrences should be set to at least 2, "
            "otherwise processing will take longer.\n\nDo you wish to reset it?\n");
  EXPECT_EQ(result.out,
            "1 file (in 1 folder) was scanned.\n"
            "There are 2 phrases with 2 to 4 words which occur at least once.\n"
            "     Rank      Freq  Phrase [longest has 23 characters]\n"
            "        1         3  green tea helps\n"
            "        2         1  fresh bread smells good\n");
}

// A folder path of exactly 13 characters is written out in full and gets no
// "{Folder} = " line; the empty header line stays.
TEST(FolderSourceShortPath, ThirteenCharacterFolderIsNotAbbreviated) {
  const ScratchDir corpus("/tmp", "v");  // "/tmp/v-XXXXXX"
  const std::string folder = corpus.path().string();
  ASSERT_EQ(folder.size(), 13u);
  WriteCorpus(corpus, "");
  const ScratchDir outputDir("velt-e2e-output");
  Settings settings = FolderSettings(folder, outputDir / "out.txt");
  settings.pathPatterns[0] = u"*.txt";
  settings.includeSubfolders = true;
  settings.phraseLengthIndexes = {0, 2};
  settings.displayFormat = 12;
  const std::string settingsFile = outputDir.Write("settings.velt", FormatStateRecords(settings));

  const ChildResult result = RunBatchWith({settingsFile});

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "2 files (in 2 folders) were scanned.\n" + std::string(kSummary) +
                            "\n"
                            "green tea helps\n"
                            "        3 " +
                            folder +
                            "/alpha.txt\n"
                            "fresh bread smells good\n"
                            "        1 " +
                            folder +
                            "/sub/beta.txt\n"
                            "        1 " +
                            folder + "/alpha.txt\n");
}

}  // namespace
}  // namespace velt::e2e
