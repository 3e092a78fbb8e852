// The private temporary folder of velt-batch: a DOCX document is extracted in
// it, it is gone when the run ends, and what other programs keep in the
// temporary directory is left alone.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "doubles/folder_names.h"
#include "e2e/batch_test.h"
#include "settings/state_format.h"

namespace velt::e2e {
namespace {

namespace fs = std::filesystem;

class TempFolders : public BatchTest {
 protected:
  std::string Document() const {
    const std::string path = scratch_ / "sample.docx";
    fs::copy_file(std::string(VELT_TEST_DATA_DIR) + "/sample.docx", path);
    return path;
  }
};

TEST_F(TempFolders, ReadingADocumentLeavesOnlyWhatOtherProgramsKeep) {
  scratch_.Write("tmp/VELT001/theirs.txt", "a folder of another program");
  scratch_.Write("tmp/velt-live01/lock", "");
  scratch_.Write("tmp/velt-dead01/lock", "");  // its program was killed
  scratch_.Write("tmp/velt-dead01/VELT001/word/document.xml", "<x/>");
  const int liveLock = ::open((scratch_ / "tmp/velt-live01/lock").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(liveLock, 0);
  ASSERT_EQ(::flock(liveLock, LOCK_EX | LOCK_NB), 0);  // as its running program holds it

  Settings settings = SingleFileSettings(Document(), OutputPath());
  settings.minimumFrequencyIndex = 0;
  const ChildResult result = Run(settings);
  ::close(liveLock);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("the quick brown fox"), std::string::npos);
  EXPECT_EQ(testing::SortedEntryNames(TempDir()),
            (std::vector<std::string>{"VELT001", "velt-live01"}));
  EXPECT_EQ(ReadBytes(scratch_ / "tmp/VELT001/theirs.txt"), "a folder of another program");
  EXPECT_EQ(testing::SortedEntryNames(scratch_ / "tmp/velt-live01"),
            std::vector<std::string>{"lock"});
}

TEST_F(TempFolders, UnusableTemporaryDirectoryIsReportedAndNothingIsRead) {
  const std::string settingsFile =
      scratch_.Write("settings.velt", FormatStateRecords(SingleFileSettings(Document())));
  const std::string missing = scratch_ / "missing";

  const ChildResult result = RunBatchWith({settingsFile}, "", {"TMPDIR=" + missing});

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "[Temporary folder] Unable to create temporary folder.\n");
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace velt::e2e
