// Whether every line of a report reaches its destination, and the exit status
// that says so: a long report on standard output, an output file that cannot
// be written or is written only in part, standard output that cannot be
// written, and the old report that a failed run must leave alone.
#include <filesystem>
#include <string>

#include "e2e/batch_test.h"
#include "settings/state_format.h"

namespace velt::e2e {
namespace {

constexpr int kListed = 0;
constexpr int kEndedEarly = 1;

// A word of letters only for a number (numerals are not word characters by
// default): 0 -> "baa", 1 -> "bab", ...
std::string LetterWord(int n) {
  std::string word = "b";
  for (int k = 0; k < 3; ++k) {
    word.insert(word.begin() + 1, static_cast<char>('a' + n % 26));
    n /= 26;
  }
  return word;
}

// `phrases` different two-word lines, the whole text twice: each line is a
// phrase that occurs twice.
std::string RepeatedLines(int phrases) {
  std::string text;
  for (int i = 0; i < phrases; ++i)
    text += LetterWord(i) + " " + LetterWord(i + 20000) + "\r\n";
  return text + text;
}

class ReportDelivery : public BatchTest {
 protected:
  Settings LinePhrases(const std::string& input, const std::string& output = "") const {
    Settings settings = SingleFileSettings(input, output);
    settings.phraseLengthIndexes = {0, 0};
    settings.endPhraseAtLineEnd = true;
    return settings;
  }

  // Runs velt-batch through the shell with `shell` put before it, as in
  // "ulimit -f 1; exec velt-batch settings.velt".
  ChildResult RunInShell(const Settings& settings, const std::string& shell,
                         const std::string& redirect = "") {
    const std::string settingsFile = scratch_.Write("settings.velt", FormatStateRecords(settings));
    std::filesystem::create_directories(TempDir());
    return RunChild("/bin/sh",
                    {"-c", shell + "; exec \"$0\" \"$1\"" + redirect, BatchProgram(), settingsFile},
                    "", {"TMPDIR=" + TempDir()});
  }

  static size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
      ++n;
    return n;
  }
};

// 6,000 phrases make a report of about 200,000 characters: far beyond what a
// text window of 65,000 characters held, it stands whole on standard output.
TEST_F(ReportDelivery, LongReportIsListedWholeWithoutAnyNotice) {
  const std::string input = scratch_.Write("long.txt", RepeatedLines(6000));

  const ChildResult result = Run(LinePhrases(input));

  EXPECT_EQ(result.exitCode, kListed);
  EXPECT_EQ(result.err, "");
  EXPECT_GT(result.out.size(), 150000u);
  EXPECT_EQ(Count(result.out, "         2  "), 6000u);
  EXPECT_NE(result.out.find("     6000         2  " + LetterWord(5999) + " "), std::string::npos);
  EXPECT_EQ(result.out.find("full"), std::string::npos);
}

TEST_F(ReportDelivery, OutputFileThatIsADeviceIsRefusedBeforeCounting) {
  const std::string input = scratch_.Write("in.txt", RepeatedLines(3));

  const ChildResult result = Run(LinePhrases(input, "/dev/full"));

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.out,
            "Error: Not a regular file\n"
            "/dev/full: Not a regular file\n\n"
            "If the output file is open in Excel then it must first be closed\n"
            "or a different file should be specified as the output file.");
}

TEST_F(ReportDelivery, MissingOutputFolderOrAFolderAsOutputFileNameThePathAndTheReason) {
  const std::string input = scratch_.Write("in.txt", RepeatedLines(3));
  const std::string inMissingFolder = scratch_ / "nowhere/out.txt";

  const ChildResult missing = Run(LinePhrases(input, inMissingFolder));
  EXPECT_EQ(missing.exitCode, kEndedEarly);
  EXPECT_NE(missing.out.find(inMissingFolder + ": No such file or directory (the folder " +
                             scratch_.File("nowhere") + " does not exist)\n"),
            std::string::npos)
      << missing.out;

  const ChildResult folder = Run(LinePhrases(input, scratch_.path().string()));
  EXPECT_EQ(folder.exitCode, kEndedEarly);
  EXPECT_NE(folder.out.find(scratch_.path().string() + ": Is a directory\n"), std::string::npos)
      << folder.out;
}

// A run that ends before its listing, and one whose file pass fails half-way,
// leave the report of an earlier run as it was.
TEST_F(ReportDelivery, OldReportSurvivesARunThatFails) {
  const std::string oldReport = "the report of yesterday\r\n";
  scratch_.Write("out.txt", oldReport);

  const ChildResult missingInput = Run(LinePhrases(scratch_ / "missing.txt", OutputPath()));
  EXPECT_EQ(missingInput.exitCode, kEndedEarly);
  EXPECT_EQ(OutputFile(), oldReport);

  // Files may not grow beyond 512 bytes: the listing's writes fail with EFBIG.
  const std::string input = scratch_.Write("in.txt", RepeatedLines(200));
  const ChildResult tooBig =
      RunInShell(LinePhrases(input, OutputPath()), "trap '' XFSZ; ulimit -f 1");
  EXPECT_EQ(tooBig.exitCode, kEndedEarly);
  EXPECT_NE(
      tooBig.err.find("[Error] At ListWordsByFrequency error #27.\nDescription: " + OutputPath() +
                      ": File too large\n" + "The output file was left as it was.\n"),
      std::string::npos)
      << tooBig.err;
  EXPECT_EQ(OutputFile(), oldReport);
  // The report still reaches the text window, and so standard output.
  EXPECT_EQ(Count(tooBig.out, "         2  "), 200u);
  // No half-written file is left beside it.
  for (const auto& entry : std::filesystem::directory_iterator(scratch_.path()))
    EXPECT_EQ(entry.path().filename().string().find(".out.txt"), std::string::npos);
}

TEST_F(ReportDelivery, CompleteRunReplacesTheOldReport) {
  scratch_.Write("out.txt", "the report of yesterday\r\n");
  const std::string input = scratch_.Write("in.txt", RepeatedLines(2));

  const ChildResult result = Run(LinePhrases(input, OutputPath()));

  EXPECT_EQ(result.exitCode, kListed);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(OutputFile(), "File: " + input + "\r\n" +
                              "There are 2 phrases of 2 words which occur at least twice.\r\n"
                              "    Rank\t    Freq\tPhrase\t [longest has 9 characters]\r\n"
                              "       1\t       2\tbaaa bdpg\t\r\n"
                              "       2\t       2\tbaab bdph\t\r\n");
}

TEST_F(ReportDelivery, StandardOutputThatCannotBeWrittenIsAFailure) {
  const std::string input = scratch_.Write("in.txt", RepeatedLines(3));

  const ChildResult result = RunInShell(LinePhrases(input), "true", " > /dev/full");

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err,
            "velt-batch: the report could not be written to standard output: No space left on "
            "device\n");
}

// The message has no title of its own: it carries the program's name.
TEST_F(ReportDelivery, MessageWithoutTitleCarriesTheProgramName) {
  Settings settings;
  settings.source = Source::Clipboard;

  const ChildResult result = Run(settings, "");

  EXPECT_EQ(result.exitCode, kEndedEarly);
  EXPECT_EQ(result.err, "[VELT phrase counter] There is no text on the clipboard.\n");
}

}  // namespace
}  // namespace velt::e2e
