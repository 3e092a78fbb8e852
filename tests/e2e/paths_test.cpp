// Paths as the file system has them: names that are not valid UTF-8 are read
// in a folder, as the single input file, as a words file and as the settings
// file itself; inputs and words files that are no file say what they are.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "e2e/batch_test.h"
#include "settings/state_format.h"
#include "text/text.h"

namespace velt::e2e {
namespace {

constexpr int kListed = 0;
constexpr int kEndedEarly = 1;

constexpr char kPlain[] = "Plain words here. Plain words here.\r\n";
constexpr char kBad[] = "Broken name words. Broken name words.\r\n";
constexpr char kLatin[] = "Latin name words. Latin name words.\r\n";

class Paths : public BatchTest {
 protected:
  Settings SingleFile(const std::string& native, const std::string& output = "") const {
    Settings settings;
    settings.source = Source::SingleFile;
    settings.filePaths[0] = PathFromNative(native);
    settings.filePaths[1] = PathFromNative(output);
    return settings;
  }
};

TEST_F(Paths, AFolderReadsEveryFileWhateverItsName) {
  scratch_.Write("corpus/plain.txt", kPlain);
  scratch_.Write("corpus/bad\xFF.txt", kBad);
  scratch_.Write("corpus/latin\xE9.txt", kLatin);

  const ChildResult result = Run(FolderSettings(scratch_ / "corpus", OutputPath()));

  EXPECT_EQ(result.exitCode, kListed);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.find("3 files (in 1 folder) were scanned.\n"), 0u) << result.out;
  for (const char* phrase : {"plain words here", "broken name words", "latin name words"}) {
    EXPECT_NE(result.out.find(phrase), std::string::npos) << phrase;
  }
}

// The settings file holds the raw bytes of the input and output paths; the
// report shows an undecodable byte as the replacement character.
TEST_F(Paths, ASingleFileIsReadUnderItsOwnBytes) {
  for (const std::string name : {"bad\xFF.txt", "latin\xE9.txt"}) {
    const std::string input = scratch_.Write(name, kBad);
    const std::string output = scratch_ / ("out\xFC" + name);

    const ChildResult result = Run(SingleFile(input, output));

    EXPECT_EQ(result.exitCode, kListed) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("broken name words"), std::string::npos) << result.out;
    EXPECT_NE(ReadBytes(scratch_ / "settings.velt").find("\"" + input + "\"\r\n"),
              std::string::npos);
    const std::string report = ReadBytes(output);
    EXPECT_NE(report.find("broken name words"), std::string::npos) << name;
    EXPECT_NE(report.find(ToUtf8(PathFromNative(input))), std::string::npos) << report;
  }
}

TEST_F(Paths, TheSettingsFileAndTheWordsFileMayHaveSuchNamesToo) {
  const std::string input = scratch_.Write("in.txt", kPlain + std::string(kBad));
  const std::string words = scratch_.Write("ignore\xFE.txt", "broken\r\n");
  Settings settings = SingleFile(input);
  settings.wordsFileList = {{PathFromNative(words)}, 0};
  settings.ignoreMode = IgnoreMode::ExcludeContainingIgnored;
  const std::string settingsFile = scratch_.Write("set\xFD.velt", FormatStateRecords(settings));

  const ChildResult result = RunBatchWith({settingsFile});

  EXPECT_EQ(result.exitCode, kListed);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("plain words here"), std::string::npos) << result.out;
  EXPECT_EQ(result.out.find("broken"), std::string::npos) << result.out;
}

TEST_F(Paths, AnInputThatIsNoFileSaysWhatItIs) {
  const std::string fifo = scratch_ / "pipe.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = scratch_ / "folder";
  std::filesystem::create_directory(folder);
  const std::string loop = scratch_ / "loop.txt";
  std::filesystem::create_symlink("loop.txt", loop);
  const std::pair<std::string, std::string> cases[] = {
      {fifo, "is not a regular file (a FIFO, socket or device)."},
      {folder, "is a folder, not a file."},
      {loop, "cannot be reached: too many levels of symbolic links."}};
  for (const auto& [path, reason] : cases) {
    const ChildResult result = Run(SingleFile(path, OutputPath()));

    EXPECT_EQ(result.exitCode, kEndedEarly) << path;  // never -1: a FIFO is not opened
    EXPECT_EQ(result.err, "[Invalid input file] " + path + "\n" + reason + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(OutputPath()));
  }
}

// The count goes on without the list, as after any words file that cannot be read.
TEST_F(Paths, AWordsFileThatIsNoFileSaysWhatItIs) {
  const std::string input = scratch_.Write("in.txt", kPlain);
  const std::string fifo = scratch_ / "words.fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = scratch_ / "lists";
  std::filesystem::create_directory(folder);
  const std::pair<std::string, std::string> cases[] = {
      {fifo, "is not a regular file (a FIFO, socket or device)."},
      {folder, "is a folder, not a file."}};
  for (const auto& [path, reason] : cases) {
    Settings settings = SingleFile(input);
    settings.wordsFileList = {{PathFromNative(path)}, 0};

    const ChildResult result = Run(settings);

    EXPECT_EQ(result.exitCode, kListed);
    EXPECT_EQ(result.err, "[Invalid words-to-ignore file] File " + path + "\n" + reason + "\n");
    EXPECT_NE(result.out.find("plain words here"), std::string::npos);
  }
}

}  // namespace
}  // namespace velt::e2e
