#include "settings/settings_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "doubles/recording_dialogs.h"
#include "settings/state_format.h"
#include "state_test_support.h"

namespace velt {
namespace {

namespace fs = std::filesystem;
using testing::JoinLines;
using testing::NonDefaultLines;
using testing::NonDefaultSettings;

class SettingsFilesTest : public ::testing::Test {
 protected:
  SettingsFilesTest() {
    testing::WriteBytes(dir / "velt.dat", "50\tSettings saved.\n");
    texts.Load(dir / "velt.dat");
    // What an earlier action left in the Settings window.
    session.window.SetCaption(ControlId::lblState, u"before");
    session.window.SetVisible(ControlId::txbStateFile, false);
  }

  const ControlState& State(ControlId id) const { return session.window.Get(id); }
  Text Path(const std::string& name) const { return FromUtf8(dir / name); }

  testing::ScratchDir dir;
  velt::testing::RecordingDialogs dialogs;
  NullView view;
  NullEventPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts;
  Session session{Seams{dialogs, view, pump, clipboard}, texts, dir.path().string()};
  const StateFile stateFile{dir / "config/Orvane Systems/velt.usr"};
  testing::RecordingHooks hooks;
};

TEST_F(SettingsFilesTest, SavedFileLoadsBackEveryField) {
  session.settings = NonDefaultSettings();
  dialogs.saveFileAnswers = {Path("mine.velt")};
  SaveSettingsToFile(session, stateFile, hooks);
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const FileDialogRequest save = dialogs.fileDialogs[0];
  EXPECT_EQ(save.title, u"Specify file to save settings to");
  EXPECT_EQ(save.filters,
            (std::vector<std::pair<Text, Text>>{{u"VELT settings files (*.velt)", u"*.velt"}}));
  EXPECT_EQ(save.fileName, u"");
  EXPECT_TRUE(save.confirmOverwrite);
  EXPECT_EQ(State(ControlId::lblState).caption, u"Settings saved to");
  EXPECT_EQ(State(ControlId::txbStateFile).caption, Path("mine.velt"));
  EXPECT_TRUE(State(ControlId::txbStateFile).visible);
  EXPECT_FALSE(fs::exists(stateFile.defaultPath()));  // the state file is not touched

  session.settings = Settings{};
  bool restoringSeen = false;
  hooks.onLanguageSelected = [&] { restoringSeen = session.run.restoring; };
  dialogs.openFileAnswers = {Path("mine.velt")};
  LoadSettingsFromFile(session, stateFile, hooks);
  const FileDialogRequest& open = dialogs.fileDialogs[1];
  EXPECT_EQ(open.title, u"Specify file to load settings from.");
  EXPECT_EQ(open.filters, save.filters);
  EXPECT_TRUE(open.mustExist);
  EXPECT_EQ(session.settings, NonDefaultSettings());
  EXPECT_TRUE(restoringSeen);
  EXPECT_FALSE(session.run.restoring);
  EXPECT_TRUE(dialogs.messages.empty());  // no words-file question while loading
  EXPECT_EQ(State(ControlId::lblState).caption, u"Settings loaded from");
  EXPECT_EQ(hooks.calls.back(), "ShowSettingsWindow");
}

TEST_F(SettingsFilesTest, CancellingChangesNothing) {
  session.settings = NonDefaultSettings();
  dialogs.saveFileAnswers = {std::nullopt, Text()};
  dialogs.openFileAnswers = {std::nullopt, Text()};
  for (int k = 0; k < 2; ++k) {
    SaveSettingsToFile(session, stateFile, hooks);
    LoadSettingsFromFile(session, stateFile, hooks);
  }
  EXPECT_EQ(dialogs.fileDialogs.size(), 4u);
  EXPECT_EQ(State(ControlId::lblState).caption, u"before");
  EXPECT_FALSE(State(ControlId::txbStateFile).visible);
  EXPECT_EQ(session.settings, NonDefaultSettings());
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_FALSE(fs::exists(stateFile.defaultPath()));
}

TEST_F(SettingsFilesTest, FaultyFilesAreReportedAndReinitialize) {
  std::vector<std::string> lines = NonDefaultLines();
  lines[29] = "-1";  // wordOrder without a selection
  testing::WriteBytes(dir / "nolist.velt", JoinLines(lines));
  lines = NonDefaultLines();
  lines[49] = "9";  // no such language
  testing::WriteBytes(dir / "bad.velt", JoinLines(lines));
  fs::create_directory(dir / "folder.velt");

  const std::pair<const char*, const char16_t*> cases[] = {
      {"nolist.velt", u"Invalid combo box index."},
      {"bad.velt", u"Error when attempting to load settings: Invalid data"},
      {"folder.velt", u"Error when attempting to load settings: Is a directory"},
  };
  for (const auto& [name, message] : cases) {
    dialogs.messages.clear();
    hooks.calls.clear();
    dialogs.openFileAnswers = {Path(name)};
    LoadSettingsFromFile(session, stateFile, hooks);
    ASSERT_EQ(dialogs.messages.size(), 1u) << name;
    EXPECT_EQ(dialogs.messages[0].title, u"Load settings");
    EXPECT_EQ(dialogs.messages[0].text, message);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "Initialize"), 1);
    EXPECT_EQ(State(ControlId::lblState).caption, u"Error loading from");
    EXPECT_EQ(State(ControlId::txbStateFile).caption, Path(name));
  }

  // A short file: the restore's own messages, then loaded.
  dialogs.messages.clear();
  hooks.calls.clear();
  testing::WriteBytes(dir / "short.velt", JoinLines(NonDefaultLines(), 10));
  dialogs.openFileAnswers = {Path("short.velt")};
  LoadSettingsFromFile(session, stateFile, hooks);
  EXPECT_EQ(dialogs.Titles(),
            (std::vector<Text>{u"Error restoring saved state", u"Input past end of file"}));
  EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "Initialize"), 0);
  EXPECT_EQ(State(ControlId::lblState).caption, u"Settings loaded from");
}

TEST_F(SettingsFilesTest, FailedSave) {
  dialogs.saveFileAnswers = {Path("missing/mine.velt")};
  SaveSettingsToFile(session, stateFile, hooks);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Save settings");
  EXPECT_EQ(dialogs.messages[0].text,
            u"Error when attempting to save state: No such file or directory");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(State(ControlId::lblState).caption, u"Error saving to");
  EXPECT_EQ(State(ControlId::txbStateFile).caption, Path("missing/mine.velt"));
}

TEST_F(SettingsFilesTest, SaveToTheStateFile) {
  session.settings = NonDefaultSettings();
  SaveSettings(session, stateFile, hooks);
  EXPECT_EQ(testing::ReadBytes(stateFile.defaultPath()), JoinLines(NonDefaultLines()));
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"Popup cmdSaveState Settings saved."}));

  const StateFile unwritable{dir / "velt.dat/Orvane Systems/velt.usr"};
  SaveSettings(session, unwritable, hooks);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Save state");
  EXPECT_TRUE(dialogs.messages[0].text.starts_with(u"Error when attempting to save state: "));
}

TEST_F(SettingsFilesTest, Reinitialize) {
  session.window.SetVisible(ControlId::txbStateFile, true);
  hooks.onInitialize = [&] { session.settings = Settings{}; };
  session.settings = NonDefaultSettings();
  session.run.startUpCompleted = false;
  Reinitialize(session, stateFile, hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"Initialize"}));
  EXPECT_EQ(testing::ReadBytes(stateFile.defaultPath()), FormatStateRecords(Settings{}));
  EXPECT_FALSE(State(ControlId::txbStateFile).visible);
  EXPECT_EQ(State(ControlId::lblState).caption, u"");

  fs::remove(stateFile.defaultPath());
  hooks.calls.clear();
  session.window.SetVisible(ControlId::txbStateFile, true);
  session.run.startUpCompleted = true;
  Reinitialize(session, stateFile, hooks);
  EXPECT_EQ(hooks.calls,
            (std::vector<std::string>{"Initialize", "Popup cmdInitialize Program reinitialized"}));
  EXPECT_FALSE(fs::exists(stateFile.defaultPath()));
  EXPECT_FALSE(State(ControlId::txbStateFile).visible);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace velt
