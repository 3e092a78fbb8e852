// The engine driven through the Settings window's controller, on a view that
// records focus requests and pop-ups.
#pragma once

#include <filesystem>
#include <vector>

#include "engine/settings_window_controller.h"
#include "engine_fixture.h"

namespace velt::testing {

class PopUpRecordingView final : public View {
 public:
  struct PopUp {
    ControlId below;
    Text text;
    int widthTwips;
  };
  std::vector<ControlId> focusRequests;
  std::vector<PopUp> popUps;

  void TextWindowChanged(size_t) override {}
  void ControlChanged(ControlId) override {}
  void SettingsChanged() override {}
  void Repaint(ControlId) override {}
  void SetFocus(ControlId id) override { focusRequests.push_back(id); }
  void ShowPopUp(ControlId below, const std::u16string& text, int widthTwips) override {
    popUps.push_back({below, text, widthTwips});
  }
};

class SettingsWindowTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Restart(dir_ / "state.usr");
  }
  void TearDown() override {
    engine_.reset();
    EngineTest::TearDown();
  }

  // A new engine on this view with statePath as its state file, started as
  // velt-batch starts it.
  void Restart(const std::filesystem::path& statePath) {
    engine_.reset();
    engine_ =
        std::make_unique<Engine>(Seams{dialogs_, view, pump_, clipboard_}, texts_,
                                 EngineOptions{VELT_DATA_DIR, statePath.string(), NumberFormat()});
    engine_->SetBatchMode(true);
    engine_->SetUpBeforeShow();
    session().run.startUpCompleted = true;
  }

  SettingsWindowController& window() { return engine_->settingsWindow(); }
  const ControlState& Control(ControlId id) { return session().window.Get(id); }
  WordsFileList& List() { return settings().wordsFileList; }

  PopUpRecordingView view;
};

}  // namespace velt::testing
