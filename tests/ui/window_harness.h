// A main window over a controller that records every operation the window
// calls, with a snapshot of the settings record at the moment of the call.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "doubles/recording_dialogs.h"
#include "engine/main_window_controller.h"
#include "ui/main_window.h"
#include "ui/qt_view.h"

namespace velt::testing {

class RecordingController final : public MainWindowController {
 public:
  RecordingController(View& view, const UiTextTable& texts)
      : session_(Seams{dialogs, view, pump, clipboard}, texts, VELT_BIN_DIR) {}

  RecordingDialogs dialogs;
  NullEventPump pump;
  MemoryClipboard clipboard;

  std::vector<std::string> calls;
  std::vector<Settings> settingsAtCall;
  Text copiedSelection;
  bool windowVisibleAtStartUp = false;
  // Runs inside the named operation (to change the engine's state as it would).
  std::map<std::string, std::function<void(Session&)>> effects;

  int Count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : calls)
      n += c == call ? 1 : 0;
    return n;
  }
  const Settings& LastSettings() const { return settingsAtCall.back(); }

  Session& session() override { return session_; }
  void StartUp() override {
    windowVisibleAtStartUp = session_.window.Get(ControlId::frmMain).visible;
    Record("StartUp");
  }
  void OnQuitClicked() override { Record("cmdQuit_Click"); }
  // As the engine does: the model learns that the window is shown.
  void OnWindowShown(bool shown) override { session_.window.SetVisible(ControlId::frmMain, shown); }
  void OnHelpClosed() override { Record("frmHelp_Closed"); }
  void OnCountClicked() override { Record("cmdCountPhrases_Click"); }
  void OnClearOutputClicked() override { Record("cmdClearOutput_Click"); }
  void OnSaveSettingsClicked() override { Record("cmdSaveState_Click"); }
  void OnCopyClicked(const Text& selectedText) override {
    copiedSelection = selectedText;
    Record("cmdCopyToClipboard_Click");
  }
  void OnOutputLeftClicked() override { Record("txbOutput_LeftClick"); }
  void OnOutputRightClicked() override { Record("txbOutput_RightClick"); }
  void OnSourceChosen(Source source) override { Record("optSource_Click", int(source)); }
  void OnFileButtonClicked(int index) override { Record("cmdFile_Click", index); }
  void OnClearFileClicked(int index) override { Record("cmdClearFile_Click", index); }
  void OnFilePathLeft(int index) override { Record("txbFile_LostFocus", index); }
  void OnFolderButtonClicked() override { Record("cmdFolder_Click"); }
  void OnClearFolderClicked() override { Record("cmdClearFolder_Click"); }
  void OnFolderLeft() override { Record("txbFolder_LostFocus"); }
  void OnPathPatternsLeft(int index) override {
    Record("txbFileFilepathSpecifications_LostFocus", index);
  }
  void OnListFilesClicked() override { Record("cmdListFiles_Click"); }
  void OnDisableOutputToFileClicked() override { Record("chkDisableOutputToFile_Click"); }
  void OnPhraseLengthChosen(int index) override { Record("cboPhraseLength_Click", index); }
  void OnMinimumFrequencyChosen() override { Record("cboMinimumFrequency_Click"); }
  void OnIgnoreModeChosen(IgnoreMode mode) override { Record("optIgnoreMode_Click", int(mode)); }
  void OnWordOrderChosen() override { Record("cboWordOrder_Click"); }
  void OnDisplayFormatChosen() override { Record("cboDisplayFormat_Click"); }
  void OnRelativeFrequencyClicked() override { Record("chkDisplayRelativeFrequency_Click"); }
  void OnSortByNumberOfFilesClicked() override { Record("chkSortByNumberOfFiles_Click"); }
  void OnFileListFormatClicked() override { Record("chkFileList_Click"); }
  void OnFilterWordsLeft() override { Record("txbFilterWords_LostFocus"); }
  void OnFilterWordsEntered() override { Record("txbFilterWords_Enter"); }
  void OnFilterWordsEdited() override { Record("txbFilterWords_Changed"); }
  void OnFilterClicked() override { Record("cmdFilterResults_Click"); }
  void OnClearFilterClicked() override { Record("cmdClear_Click"); }
  void OnFilterModeChosen(FilterMode mode) override { Record("optFilterMode_Click", int(mode)); }
  void Timer1_Tick() override { Record("Timer1_Tick"); }
  void Timer2_Tick() override { Record("Timer2_Tick"); }
  bool ElapsedTimeTimerWanted() override { return session_.run.timer2Enabled; }

 private:
  void Record(const std::string& name, int argument) {
    Record(name + "(" + std::to_string(argument) + ")");
  }
  void Record(const std::string& call) {
    calls.push_back(call);
    settingsAtCall.push_back(session_.settings);
    if (auto effect = effects.find(call); effect != effects.end()) effect->second(session_);
  }

  Session session_;
};

// The text table shipped with the program (copied beside the binaries).
inline UiTextTable ShippedTexts() {
  UiTextTable table;
  table.Load(std::string(VELT_BIN_DIR) + "/velt.dat");
  return table;
}

struct WindowHarness {
  UiTextTable texts = ShippedTexts();
  ui::QtView view;
  RecordingController engine{view, texts};
  ui::MainWindow window{engine, view};

  Session& session() { return engine.session(); }
  template <typename Widget = QWidget>
  Widget* Find(const QString& name) {
    return window.findChild<Widget*>(name);
  }
};

}  // namespace velt::testing
