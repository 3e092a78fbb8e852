// The Settings window's settings files and its "Save settings" and "Hide
// settings" buttons through its controller: the state box that tells what
// became of the file chosen last, the confirming pop-ups and the
// reinitialization after a file that cannot be applied.
#include "settings/state_format.h"
#include "settings_window_fixture.h"

namespace velt::testing {
namespace {

namespace fs = std::filesystem;

class SettingsWindowActionsTest : public SettingsWindowTest {
 protected:
  void SetUp() override {
    SettingsWindowTest::SetUp();
    // What an earlier action left in the window.
    session().window.SetCaption(ControlId::lblState, u"before");
    session().window.SetVisible(ControlId::txbStateFile, false);
    session().window.SetVisible(ControlId::frmParams, false);
  }
  Text Path(const std::string& name) const { return FromUtf8((dir_ / name).string()); }
  std::string StatePath() const { return (dir_ / "state.usr").string(); }
};

TEST_F(SettingsWindowActionsTest, SavedAndLoadedFileIsShownInTheStateBox) {
  settings().extraWords = u"ibid";
  dialogs_.saveFileAnswers = {Path("mine.velt")};
  window().OnSaveOrLoadSettingsFileClicked(0);
  EXPECT_EQ(Control(ControlId::lblState).caption, u"Settings saved to");
  EXPECT_EQ(Control(ControlId::txbStateFile).caption, Path("mine.velt"));
  EXPECT_TRUE(Control(ControlId::txbStateFile).visible);
  EXPECT_TRUE(Control(ControlId::frmParams).visible);
  EXPECT_FALSE(fs::exists(StatePath())) << "the state file is not touched";

  settings().extraWords = u"other";
  session().window.SetVisible(ControlId::frmParams, false);
  dialogs_.openFileAnswers = {Path("mine.velt")};
  window().OnSaveOrLoadSettingsFileClicked(1);
  EXPECT_EQ(settings().extraWords, u"ibid");
  EXPECT_FALSE(session().run.restoring);
  EXPECT_EQ(Control(ControlId::lblState).caption, u"Settings loaded from");
  EXPECT_TRUE(Control(ControlId::frmParams).visible);
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SettingsWindowActionsTest, CancellingChangesNothing) {
  dialogs_.saveFileAnswers = {std::nullopt, Text()};
  dialogs_.openFileAnswers = {std::nullopt, Text()};
  for (int k = 0; k < 2; ++k) {
    window().OnSaveOrLoadSettingsFileClicked(0);
    window().OnSaveOrLoadSettingsFileClicked(1);
  }
  EXPECT_EQ(dialogs_.fileDialogs.size(), 4u);
  EXPECT_EQ(Control(ControlId::lblState).caption, u"before");
  EXPECT_FALSE(Control(ControlId::txbStateFile).visible);
  EXPECT_FALSE(Control(ControlId::frmParams).visible);
}

TEST_F(SettingsWindowActionsTest, FileThatCannotBeAppliedReinitializes) {
  fs::create_directory(dir_ / "folder.velt");
  settings().extraWords = u"ibid";
  dialogs_.openFileAnswers = {Path("folder.velt")};
  window().OnSaveOrLoadSettingsFileClicked(1);
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Load settings");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::LoadSettingsFailed);
  EXPECT_EQ(dialogs_.messages[0].text, u"Error when attempting to load settings: Is a directory");
  EXPECT_TRUE(settings().extraWords.empty()) << "Initialize ran";
  EXPECT_EQ(Control(ControlId::lblState).caption, u"Error loading from");
  EXPECT_TRUE(Control(ControlId::txbStateFile).visible);
  EXPECT_TRUE(Control(ControlId::frmParams).visible);
}

TEST_F(SettingsWindowActionsTest, FailedSaveToFile) {
  dialogs_.saveFileAnswers = {Path("missing/mine.velt")};
  window().OnSaveOrLoadSettingsFileClicked(0);
  EXPECT_EQ(dialogs_.Titles(), std::vector<Text>{u"Save settings"});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::SaveSettingsFailed});
  EXPECT_EQ(Control(ControlId::lblState).caption, u"Error saving to");
  EXPECT_EQ(Control(ControlId::txbStateFile).caption, Path("missing/mine.velt"));
}

// Both windows have "Save settings": the pop-up goes below the button clicked.
TEST_F(SettingsWindowActionsTest, SaveSettingsConfirmsBelowTheButtonClicked) {
  window().OnSaveSettingsClicked();
  EXPECT_EQ(Read(StatePath()), FormatStateRecords(settings()));
  engine_->mainWindow().OnSaveSettingsClicked();
  ASSERT_EQ(view.popUps.size(), 2u);
  EXPECT_EQ(view.popUps[0].below, ControlId::frmParams_cmdSaveState);
  EXPECT_EQ(view.popUps[0].text, session().UIText(ui_text::kSettingsSaved));
  EXPECT_EQ(view.popUps[0].widthTwips, 2350);
  EXPECT_EQ(view.popUps[1].below, ControlId::cmdSaveState);
  EXPECT_EQ(view.popUps[1].widthTwips, 0);

  Write("blocker", "");
  Restart(dir_ / "blocker/Orvane Systems/velt.usr");
  window().OnSaveSettingsClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Save state");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::SaveStateFailed);
  EXPECT_TRUE(dialogs_.messages[0].text.starts_with(u"Error when attempting to save state: "));
  EXPECT_EQ(view.popUps.size(), 2u);
}

TEST_F(SettingsWindowActionsTest, Reinitialize) {
  session().window.SetVisible(ControlId::txbStateFile, true);
  settings().extraWords = u"ibid";
  window().OnReinitializeClicked();
  EXPECT_TRUE(settings().extraWords.empty());
  ASSERT_EQ(view.popUps.size(), 1u);
  EXPECT_EQ(view.popUps[0].below, ControlId::cmdInitialize);
  EXPECT_EQ(view.popUps[0].text, u"Program reinitialized");
  EXPECT_EQ(view.popUps[0].widthTwips, 2400);
  EXPECT_FALSE(Control(ControlId::txbStateFile).visible);
  EXPECT_EQ(Control(ControlId::lblState).caption, u"");
  EXPECT_FALSE(fs::exists(StatePath()));
  EXPECT_TRUE(dialogs_.messages.empty());

  // Before start-up has completed the state file is written instead.
  session().run.startUpCompleted = false;
  window().OnReinitializeClicked();
  EXPECT_EQ(Read(StatePath()), FormatStateRecords(settings()));
  EXPECT_EQ(view.popUps.size(), 1u);
}

TEST_F(SettingsWindowActionsTest, HidingTheWindowGivesTheCountButtonTheFocus) {
  session().window.SetCaption(ControlId::cmdCountPhrases, u"");
  window().OnSettingsHidden();
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdCountPhrases);
  EXPECT_EQ(Control(ControlId::cmdCountPhrases).caption, session().UIText(ui_text::kCountPhrases));
}

}  // namespace
}  // namespace velt::testing
