#include <stdlib.h>

#include <algorithm>

#include "doubles/folder_names.h"
#include "engine/engine.h"
#include "engine/engine_fixture.h"

namespace velt::testing {
namespace {

namespace fs = std::filesystem;

// Counting a document makes the private temporary folder; quitting removes
// it and leaves alone what other programs keep in the temporary directory.
TEST_F(EngineTest, QuitRemovesThePrivateTempFolderAndNothingElse) {
  const fs::path tmp =
      fs::path(Write("tmp/VELT001/theirs.txt", "another program's")).parent_path().parent_path();
  setenv("TMPDIR", tmp.c_str(), 1);
  const std::string docx = (dir_ / "sample.docx").string();
  fs::copy_file(std::string(VELT_TEST_DATA_DIR) + "/sample.docx", docx);
  UseFile(docx, 2, 6, 1);
  settings().saveStateOnQuit = false;

  engine_->mainWindow().OnCountClicked();
  EXPECT_TRUE(engine_->CountReachedListing());
  const std::string area = session().sources.tempArea.path();
  EXPECT_EQ(fs::path(area).parent_path(), tmp);
  EXPECT_EQ(SortedEntryNames(tmp).size(), 2u);

  engine_->Quit();
  unsetenv("TMPDIR");
  EXPECT_EQ(SortedEntryNames(tmp), std::vector<std::string>{"VELT001"});
  EXPECT_EQ(SortedEntryNames(tmp / "VELT001"), std::vector<std::string>{"theirs.txt"});
}

}  // namespace
}  // namespace velt::testing
