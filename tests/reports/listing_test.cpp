// ListWords: the no-phrases case, source headers, stops, the overwrite
// prompt and output files that cannot be written.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

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
    settings.source = Source::Clipboard;
    settings.displayFormat = 8;
    run.summarySentence = u"S.\r\n";
    run.countAvailable = true;
  }
  void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  InMemoryPhrases table{{{u"black cat", 2}, {u"the cat", 5}, {u"the cat sat", 2}}};
};

TEST_F(ListingTest, NoQualifyingPhraseShowsTheMessageAndLeavesTheFileAlone) {
  InMemoryPhrases none({{u"the cat", 1, {}, {}, false}});
  SetOutputFile(tempDir / "out.txt");
  ListWords(context, none);
  EXPECT_EQ(Window(), "No phrases satisfying the specified conditions were found.");
  EXPECT_FALSE(std::filesystem::exists(tempDir / "out.txt"));
}

TEST_F(ListingTest, SingleFileReportStartsWithTheInputPath) {
  settings.source = Source::SingleFile;
  settings.filePaths[0] = u"/home/Ann/Texts/Moby Dick.txt";
  SetOutputFile(tempDir / "out.txt");
  ListWords(context, table);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "File: /home/Ann/Texts/Moby Dick.txt\r\n" + kFileReport);
  EXPECT_EQ(Window(), kWindowReport);
  EXPECT_TRUE(state.outputFileWritten);
  EXPECT_FALSE(state.writingOutputFile);
}

// A stopped file pass leaves no part of a report behind: an old file stays as
// it was, and no new one appears.
TEST_F(ListingTest, StopDuringTheFilePassEndsTheListingThere) {
  SetOutputFile(tempDir / "out.txt");
  pump.triggerAt = 2;
  pump.action = [&] { run.stopRequested = true; };
  ListWords(context, table);
  EXPECT_EQ(Window(), "Output to file was terminated.\r\nNo output file was written.\r\n");
  EXPECT_FALSE(std::filesystem::exists(tempDir / "out.txt"));
  EXPECT_FALSE(state.outputFileWritten);
  EXPECT_TRUE(state.outputFileMissed);

  WriteFile(tempDir / "out.txt", "old report");
  run.stopRequested = false;
  pump.yields = 0;
  ListWords(context, table);
  EXPECT_EQ(Window(), "Output to file was terminated.\r\nThe output file was left as it was.\r\n");
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old report");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tempDir),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ListingTest, StopDuringTheWindowPassKeepsWhatWasListed) {
  pump.triggerAt = 1;
  pump.action = [&] { run.stopRequested = true; };
  ListWords(context, table);
  EXPECT_EQ(Window(),
            "S.\r\nPhrase [longest has 11 characters]\r\nthe cat\r\n\r\nListing stopped.\r\n");
}

class OverwritePrompt : public ListingTest {
 protected:
  OverwritePrompt() {
    settings.warnOnOverwrite = true;
    WriteFile(tempDir / "out.txt", "old");
    SetOutputFile(tempDir / "out.txt");
  }
};

TEST_F(OverwritePrompt, CancelDisablesFileOutputAndStillListsIntoTheWindow) {
  dialogs.inputAnswers.push_back(std::nullopt);
  ListWords(context, table);
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].title, u"The output file exists.");
  EXPECT_EQ(dialogs.inputs[0].prompt,
            u"To overwrite the current output file click on 'OK'.\r\n"
            u"To write to a different file edit the filepath below.\r\n"
            u"To disable file output click on 'Cancel'.");
  EXPECT_EQ(dialogs.inputs[0].defaultText, settings.filePaths[1]);
  EXPECT_TRUE(settings.outputToFileDisabled);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old");
  EXPECT_EQ(Window(), kWindowReport);
}

TEST_F(OverwritePrompt, AnEditedPathIsTrimmedButKeepsItsCase) {
  const std::string other = (tempDir / "New Report.TXT").string();
  dialogs.inputAnswers.push_back(FromUtf8("  " + other + " "));
  ListWords(context, table);
  EXPECT_EQ(Utf8(settings.filePaths[1]), other);
  EXPECT_EQ(ReadFile(other), kFileReport);
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old");
}

TEST_F(OverwritePrompt, APathInAMissingFolderIsRefused) {
  dialogs.inputAnswers.push_back(FromUtf8((tempDir / "nowhere" / "out.txt").string()));
  ListWords(context, table);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::OutputFolderMissing);
  EXPECT_EQ(dialogs.messages[0].title, u"Error");
  EXPECT_EQ(dialogs.messages[0].text, u"Folder does not exist.");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(settings.outputToFileDisabled);
  EXPECT_EQ(Window(), kWindowReport);
}

// Output files that cannot be written: the right message naming the file, the
// report still in the window, and nothing that claims the report reached the
// file.
class UnwritableOutput : public ListingTest {
 protected:
  void ExpectFailure(MessageId id, const std::u16string& title, const std::u16string& text) {
    ListWords(context, table);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].id, id);
    EXPECT_EQ(dialogs.messages[0].title, title);
    EXPECT_EQ(dialogs.messages[0].text, text);
    EXPECT_EQ(Window(), kWindowReport);
    EXPECT_FALSE(state.outputFileWritten);
    EXPECT_TRUE(state.outputFileMissed);
    EXPECT_FALSE(state.writingOutputFile);
  }
  Text PathText(const std::filesystem::path& path) { return FromUtf8(path.string()); }
};

TEST_F(UnwritableOutput, FolderThatDoesNotExist) {
  SetOutputFile(tempDir / "missing" / "out.txt");
  ExpectFailure(MessageId::RunTimeError, u"Error",
                u"At ListWords error #2.\r\nDescription: " +
                    PathText(tempDir / "missing" / "out.txt") +
                    u": No such file or directory (the folder " + PathText(tempDir / "missing") +
                    u" does not exist)\r\nNo output file was written.");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
}

// A device or a FIFO is refused at once: opening a FIFO that nobody reads
// would block for ever.
TEST_F(UnwritableOutput, AnythingButARegularFileIsRefused) {
  SetOutputFile("/dev/full");
  ExpectFailure(MessageId::RunTimeError, u"Error",
                u"At ListWords error #19.\r\nDescription: /dev/full: Not a regular file\r\n"
                u"The output file was left as it was.");

  const std::filesystem::path fifo = tempDir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  SetOutputFile(fifo);
  dialogs.messages.clear();
  ExpectFailure(MessageId::RunTimeError, u"Error",
                u"At ListWords error #19.\r\nDescription: " + PathText(fifo) +
                    u": Not a regular file\r\nThe output file was left as it was.");
}

// Files may not grow beyond 40 bytes while the report is written: the write
// fails half-way, and the old report stays as it was.
TEST_F(UnwritableOutput, WriteErrorLeavesTheOldFileAsItWas) {
  WriteFile(tempDir / "out.txt", "old report");
  SetOutputFile(tempDir / "out.txt");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 40;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  ListWords(context, table);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::RunTimeError);
  EXPECT_EQ(dialogs.messages[0].text,
            u"At ListWordsByFrequency error #27.\r\nDescription: " + PathText(tempDir / "out.txt") +
                u": File too large\r\nThe output file was left as it was.");
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old report");
  EXPECT_EQ(Window(), kWindowReport);
  EXPECT_TRUE(state.outputFileMissed);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tempDir),
                          std::filesystem::directory_iterator()),
            1);
}

// A file in sysfs cannot be created, not even by root.
TEST_F(UnwritableOutput, PermissionDeniedSuggestsTheFileIsInUse) {
  const std::string path = "/sys/velt_report_test.txt";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd >= 0) ::close(fd);
  if (fd >= 0 || (errno != EACCES && errno != EPERM)) GTEST_SKIP() << "no EACCES here";
  SetOutputFile(path);
  ExpectFailure(MessageId::OutputFilePermissionDenied, u"Permission denied",
                u"Perhaps the output file\r\nis in use by another application.\r\n\r\n"
                u"/sys/velt_report_test.txt: Permission denied\r\nNo output file was written.");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
}

// The check before a count neither creates nor empties the file, and names the
// file and the reason when it cannot be written.
TEST_F(ListingTest, CheckBeforeCountLeavesTheFileAloneOrExplainsWhyItCannot) {
  WriteFile(tempDir / "out.txt", "old report");
  SetOutputFile(tempDir / "out.txt");
  EXPECT_TRUE(CheckOutputFileBeforeCount(context));
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "old report");

  SetOutputFile(tempDir / "new.txt");
  EXPECT_TRUE(CheckOutputFileBeforeCount(context));
  EXPECT_FALSE(std::filesystem::exists(tempDir / "new.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tempDir),
                          std::filesystem::directory_iterator()),
            1);

  SetOutputFile(tempDir / "missing" / "out.txt");
  settings.outputToFileDisabled = true;
  EXPECT_TRUE(CheckOutputFileBeforeCount(context));

  settings.outputToFileDisabled = false;
  run.stopRequested = true;
  EXPECT_FALSE(CheckOutputFileBeforeCount(context));
  EXPECT_FALSE(run.stopRequested);
  const std::string missing = (tempDir / "missing").string();
  EXPECT_EQ(Window(), "Error: No such file or directory\r\n" + missing +
                          "/out.txt: No such file or directory (the folder " + missing +
                          " does not exist)\r\n\r\n"
                          "If the output file is open in Excel then it must first be closed\r\n"
                          "or a different file should be specified as the output file.");

  SetOutputFile(tempDir);
  EXPECT_FALSE(CheckOutputFileBeforeCount(context));
  EXPECT_TRUE(Window().starts_with("Error: Is a directory\r\n" + tempDir.string() +
                                   ": Is a directory\r\n"));

  const std::filesystem::path fifo = tempDir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  SetOutputFile(fifo);
  EXPECT_FALSE(CheckOutputFileBeforeCount(context));  // never blocks on the FIFO
  EXPECT_TRUE(Window().starts_with("Error: Not a regular file\r\n" + fifo.string() +
                                   ": Not a regular file\r\n"));
}

}  // namespace
}  // namespace velt::testing
