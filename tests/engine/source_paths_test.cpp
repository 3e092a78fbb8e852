// The paths a count works with: a folder count never takes over the
// single-file source's path, and each file of the folder reaches the files-read
// table under its own name.
#include <set>

#include "engine/main_window_controller.h"
#include "engine_fixture.h"
#include "sources/clipboard_source.h"

namespace velt::testing {
namespace {

class SourcePathsTest : public EngineTest {
 protected:
  void CountFolder() {
    engine_->mainWindow().OnSourceChosen(Source::Folder);
    settings().inputFolder = FromUtf8((dir_ / "folder").string());
    settings().filePaths[1] = FromUtf8((dir_ / "out.txt").string());
    settings().phraseLengthIndexes = {0, 4};
    settings().minimumFrequencyIndex = 1;
    engine_->mainWindow().OnCountClicked();
  }
};

TEST_F(SourcePathsTest, AFolderCountLeavesTheSingleFileToTheUser) {
  const Text chosen = FromUtf8(Write("chosen.txt", "Alpha beta gamma. Alpha beta gamma.\r\n"));
  const std::string a = Write("folder/a.txt", "Red fox jumps. Red fox jumps.\r\n");
  const std::string z = Write("folder/z\xFF.txt", "Blue whale swims. Blue whale swims.\r\n");
  settings().source = Source::SingleFile;
  settings().filePaths[0] = chosen;

  CountFolder();
  ASSERT_TRUE(engine_->CountReachedListing());
  EXPECT_EQ(settings().filePaths[0], chosen);
  const std::vector<Text>& read = engine_->table().filesRead().readPaths();
  EXPECT_EQ(std::set<Text>(read.begin() + 1, read.end()),
            (std::set<Text>{FromUtf8(a), PathFromNative(z)}));
  EXPECT_NE(session().textWindow.text().find(u"blue whale swims"), Text::npos);

  // A clipboard count that is refused while fetching the text goes back to
  // the single-file source, and the next count reads the user's file.
  clipboard_.SetText(Text(kMaxClipboardLength + 1, u'w'));
  engine_->mainWindow().OnSourceChosen(Source::Clipboard);
  engine_->mainWindow().OnCountClicked();
  EXPECT_EQ(settings().source, Source::SingleFile);
  EXPECT_EQ(settings().filePaths[0], chosen);
  engine_->mainWindow().OnCountClicked();
  ASSERT_TRUE(engine_->CountReachedListing());
  EXPECT_NE(session().textWindow.text().find(u"alpha beta gamma"), Text::npos);
  EXPECT_EQ(session().textWindow.text().find(u"fox"), Text::npos);
}

}  // namespace
}  // namespace velt::testing
