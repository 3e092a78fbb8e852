#include "settings/settings_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "doubles/recording_dialogs.h"
#include "state_test_support.h"

namespace velt {
namespace {

namespace fs = std::filesystem;
using testing::JoinLines;
using testing::NonDefaultLines;
using testing::NonDefaultSettings;

class SettingsFilesTest : public ::testing::Test {
 protected:
  Text Path(const std::string& name) const { return FromUtf8(dir.File(name)); }

  testing::ScratchDir dir{"velt-settings"};
  velt::testing::RecordingDialogs dialogs;
  NullView view;
  NullEventPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts;
  Shell shell{Seams{dialogs, view, pump, clipboard}, texts, dir.path().string()};
  Settings settings;
  bool restoring = false;
  const StateFile stateFile{dir / "config/Orvane Systems/velt.usr"};
  testing::RecordingHooks hooks;
  SettingsFileContext context{shell, settings, stateFile, hooks, restoring};
};

TEST_F(SettingsFilesTest, SavedFileLoadsBackEveryField) {
  settings = NonDefaultSettings();
  dialogs.saveFileAnswers = {Path("mine.velt")};
  const std::optional<Text> saveTo = AskForSettingsFile(dialogs, true);
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const FileDialogRequest save = dialogs.fileDialogs[0];
  EXPECT_EQ(save.title, u"Specify file to save settings to");
  EXPECT_EQ(save.filters,
            (std::vector<std::pair<Text, Text>>{{u"VELT settings files (*.velt)", u"*.velt"}}));
  EXPECT_EQ(save.fileName, u"");
  EXPECT_TRUE(save.confirmOverwrite);
  ASSERT_EQ(saveTo, Path("mine.velt"));
  EXPECT_TRUE(SaveSettingsFile(context, *saveTo));
  EXPECT_FALSE(fs::exists(stateFile.defaultPath()));  // the state file is not touched

  settings = Settings{};
  bool restoringSeen = false;
  hooks.onLanguageSelected = [&] { restoringSeen = restoring; };
  dialogs.openFileAnswers = {Path("mine.velt")};
  const std::optional<Text> loadFrom = AskForSettingsFile(dialogs, false);
  const FileDialogRequest& open = dialogs.fileDialogs[1];
  EXPECT_EQ(open.title, u"Specify file to load settings from.");
  EXPECT_EQ(open.filters, save.filters);
  EXPECT_TRUE(open.mustExist);
  ASSERT_EQ(loadFrom, Path("mine.velt"));
  const RestoreResult result = LoadSettingsFile(context, PathToNative(*loadFrom));
  EXPECT_EQ(result.status, RestoreStatus::Restored);
  EXPECT_EQ(settings, NonDefaultSettings());
  EXPECT_TRUE(restoringSeen);
  EXPECT_FALSE(restoring);
  EXPECT_FALSE(ReportFaultySettingsFile(shell, result));
  EXPECT_TRUE(dialogs.messages.empty());  // no words-file question while loading
}

TEST_F(SettingsFilesTest, CancelledOrEmptyAnswersChooseNoFile) {
  dialogs.saveFileAnswers = {std::nullopt, Text()};
  dialogs.openFileAnswers = {std::nullopt, Text()};
  for (int k = 0; k < 2; ++k) {
    EXPECT_FALSE(AskForSettingsFile(dialogs, true));
    EXPECT_FALSE(AskForSettingsFile(dialogs, false));
  }
  EXPECT_EQ(dialogs.fileDialogs.size(), 4u);
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_FALSE(fs::exists(stateFile.defaultPath()));
}

TEST_F(SettingsFilesTest, FaultyFilesAreReported) {
  std::vector<std::string> lines = NonDefaultLines();
  lines[29] = "-1";  // wordOrder without a selection
  testing::WriteBytes(dir / "nolist.velt", JoinLines(lines));
  lines = NonDefaultLines();
  lines[49] = "9";  // no such language
  testing::WriteBytes(dir / "bad.velt", JoinLines(lines));
  fs::create_directory(dir / "folder.velt");

  const std::tuple<const char*, MessageId, const char16_t*> cases[] = {
      {"nolist.velt", MessageId::InvalidComboBoxIndex, u"Invalid combo box index."},
      {"bad.velt", MessageId::LoadSettingsFailed,
       u"Error when attempting to load settings: Invalid data"},
      {"folder.velt", MessageId::LoadSettingsFailed,
       u"Error when attempting to load settings: Is a directory"},
  };
  for (const auto& [name, id, message] : cases) {
    dialogs.messages.clear();
    const RestoreResult result = LoadSettingsFile(context, dir / name);
    EXPECT_TRUE(dialogs.messages.empty()) << name;
    EXPECT_TRUE(ReportFaultySettingsFile(shell, result)) << name;
    ASSERT_EQ(dialogs.messages.size(), 1u) << name;
    EXPECT_EQ(dialogs.messages[0].title, u"Load settings");
    EXPECT_EQ(dialogs.messages[0].id, id) << name;
    EXPECT_EQ(dialogs.messages[0].text, message);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(restoring);
  }

  // A short file: the restore's own messages, and it counts as loaded.
  dialogs.messages.clear();
  testing::WriteBytes(dir / "short.velt", JoinLines(NonDefaultLines(), 10));
  const RestoreResult result = LoadSettingsFile(context, dir / "short.velt");
  EXPECT_FALSE(ReportFaultySettingsFile(shell, result));
  EXPECT_EQ(dialogs.Titles(),
            (std::vector<Text>{u"Error restoring saved state", u"Input past end of file"}));
  EXPECT_EQ(dialogs.Ids(), (std::vector<MessageId>{MessageId::InputPastEndSetDefaults,
                                                   MessageId::InputPastEndSaveToFix}));
}

TEST_F(SettingsFilesTest, FailedSave) {
  EXPECT_FALSE(SaveSettingsFile(context, Path("missing/mine.velt")));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Save settings");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::SaveSettingsFailed);
  EXPECT_EQ(dialogs.messages[0].text,
            u"Error when attempting to save state: No such file or directory");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace velt
