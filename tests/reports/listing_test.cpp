// ListWords: the no-phrases case, source headers, stops, the overwrite
// prompt and output files that cannot be written.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/listing.h"
#include "reports/output_file_checks.h"

namespace velt::testing {
namespace {

const std::string kWindowReport =
    "S.\r\nPhrase [longest has 11 characters]\r\nthe cat\r\nblack cat\r\nthe cat sat\r\n";
const std::string kFileReport =
    "S.\r\nPhrase\t [longest has 11 characters]\r\nthe cat\t\r\nblack cat\t\r\nthe cat sat\t\r\n";

class ListingTest : public ReportTest {
 protected:
  ListingTest() {
    session.settings.source = Source::Clipboard;
    session.settings.cboDisplayFormat = 8;
    session.run.strHowManyPhrases = u"S.\r\n";
    session.run.blnWordsGot = true;
  }
  void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  InMemoryPhrases table{{{u"black cat", 2}, {u"the cat", 5}, {u"the cat sat", 2}}};
};

TEST_F(ListingTest, NoQualifyingPhraseShowsTheMessageAndLeavesTheFileAlone) {
  InMemoryPhrases none({{u"the cat", 1, {}, {}, false}});
  SetOutputFile(tempDir / "out.txt");
  ListWords(session, none);
  EXPECT_EQ(Window(), "No phrases satisfying the specified conditions were found.");
  EXPECT_FALSE(std::filesystem::exists(tempDir / "out.txt"));
}

TEST_F(ListingTest, SingleFileReportStartsWithTheInputPath) {
  session.settings.source = Source::SingleFile;
  session.settings.txbFile[0] = u"/home/Ann/Texts/Moby Dick.txt";
  SetOutputFile(tempDir / "out.txt");
  ListWords(session, table);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "File: /home/Ann/Texts/Moby Dick.txt\r\n" + kFileReport);
  EXPECT_EQ(Window(), kWindowReport);
  EXPECT_TRUE(session.reports.blnOutputFileWritten);
  EXPECT_FALSE(session.reports.blnOutputFile);
}

TEST_F(ListingTest, StopDuringTheFilePassEndsTheListingThere) {
  SetOutputFile(tempDir / "out.txt");
  pump.triggerAt = 2;
  pump.action = [&] { session.run.blnStop = true; };
  ListWords(session, table);
  EXPECT_EQ(Window(), "Output to file was terminated.\r\n");
  EXPECT_EQ(ReadFile(tempDir / "out.txt"),
            "S.\r\nPhrase\t [longest has 11 characters]\r\nthe cat\t\r\nblack cat\t\r\n");
  EXPECT_FALSE(session.reports.blnOutputFileWritten);
}

TEST_F(ListingTest, StopDuringTheWindowPassKeepsWhatWasListed) {
  pump.triggerAt = 1;
  pump.action = [&] { session.run.blnStop = true; };
  ListWords(session, table);
  EXPECT_EQ(Window(),
            "S.\r\nPhrase [longest has 11 characters]\r\nthe cat\r\n\r\nListing stopped.\r\n");
}

class OverwritePrompt : public ListingTest {
 protected:
  OverwritePrompt() {
    session.settings.chkWarnOnOverwrite = true;
    WriteFile(tempDir / "out.txt", "old");
    SetOutputFile(tempDir / "out.txt");
  }
};

TEST_F(OverwritePrompt, CancelDisablesFileOutputAndStillListsIntoTheWindow) {
  dialogs.inputAnswers.push_back(std::nullopt);
  ListWords(session, table);
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].title, u"The output file exists.");
  EXPECT_EQ(dialogs.inputs[0].prompt,
            u"To overwrite the current output file click on 'OK'.\r\n"
            u"To write to a different file edit the filepath below.\r\n"
            u"To disable file output click on 'Cancel'.");
  EXPECT_EQ(dialogs.inputs[0].defaultText, session.settings.txbFile[1]);
  EXPECT_TRUE(session.settings.chkDisableOutputToFile);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old");
  EXPECT_EQ(Window(), kWindowReport);
}

TEST_F(OverwritePrompt, AnEditedPathIsTrimmedButKeepsItsCase) {
  const std::string other = (tempDir / "New Report.TXT").string();
  dialogs.inputAnswers.push_back(FromUtf8("  " + other + " "));
  ListWords(session, table);
  EXPECT_EQ(Utf8(session.settings.txbFile[1]), other);
  EXPECT_EQ(ReadFile(other), kFileReport);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old");
}

TEST_F(OverwritePrompt, APathInAMissingFolderIsRefused) {
  dialogs.inputAnswers.push_back(FromUtf8((tempDir / "nowhere" / "out.txt").string()));
  ListWords(session, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Error");
  EXPECT_EQ(dialogs.messages[0].text, u"Folder does not exist.");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(session.settings.chkDisableOutputToFile);
  EXPECT_EQ(Window(), kWindowReport);
}

// Output files that cannot be written: the right message, an empty window and
// nothing that claims the report reached the file.
class UnwritableOutput : public ListingTest {
 protected:
  void ExpectFailure(const std::u16string& title, const std::u16string& text) {
    ListWords(session, table);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, title);
    EXPECT_EQ(dialogs.messages[0].text, text);
    EXPECT_EQ(Window(), "");
    EXPECT_FALSE(session.reports.blnOutputFileWritten);
    EXPECT_FALSE(session.reports.blnOutputFile);
  }
};

TEST_F(UnwritableOutput, FolderThatDoesNotExist) {
  SetOutputFile(tempDir / "missing" / "out.txt");
  ExpectFailure(u"Error", u"At ListWords error #2.\r\nDescription: No such file or directory");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(UnwritableOutput, FullDeviceIsReportedByTheTraversal) {
  SetOutputFile("/dev/full");
  ExpectFailure(u"Error",
                u"At ListWordsByFrequency error #28.\r\nDescription: No space left on device");
}

// A file in sysfs cannot be created, not even by root.
TEST_F(UnwritableOutput, PermissionDeniedSuggestsTheFileIsInUse) {
  const std::string path = "/sys/velt_report_test.txt";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd >= 0) ::close(fd);
  if (fd >= 0 || (errno != EACCES && errno != EPERM)) GTEST_SKIP() << "no EACCES here";
  SetOutputFile(path);
  ExpectFailure(u"Permission denied",
                u"Perhaps the output file\r\nis in use by another application.");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
}

TEST_F(ListingTest, CheckBeforeCountEmptiesTheFileOrExplainsWhyItCannot) {
  WriteFile(tempDir / "out.txt", "old report");
  SetOutputFile(tempDir / "out.txt");
  EXPECT_TRUE(CheckOutputFileBeforeCount(session));
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "");

  SetOutputFile(tempDir / "missing" / "out.txt");
  session.settings.chkDisableOutputToFile = true;
  EXPECT_TRUE(CheckOutputFileBeforeCount(session));

  session.settings.chkDisableOutputToFile = false;
  session.run.blnStop = true;
  EXPECT_FALSE(CheckOutputFileBeforeCount(session));
  EXPECT_FALSE(session.run.blnStop);
  EXPECT_EQ(Window(),
            "Error: No such file or directory\r\n\r\n"
            "If the output file is open in Excel then it must first be closed\r\n"
            "or a different file should be specified as the output file.");
}

}  // namespace
}  // namespace velt::testing
