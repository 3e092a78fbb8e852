// The two window controllers of the engine: each forwards a window's user
// actions to the engine's operations and to the subsystems behind them.
#pragma once

#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "engine/settings_window_controller.h"

namespace velt {

class MainWindowEngine final : public MainWindowController {
 public:
  explicit MainWindowEngine(Engine& engine) : engine_(engine) {}

  Session& session() override { return engine_.session(); }
  void StartUp() override;
  void OnQuitClicked() override { engine_.Quit(); }

  void OnCountClicked() override { engine_.OnCountClicked(); }
  void OnClearOutputClicked() override;
  void OnSaveSettingsClicked() override { engine_.SaveStateWithPopUp(true); }
  void OnCopyClicked(const Text& selectedText) override { engine_.OnCopyClicked(selectedText); }
  void OnOutputLeftClicked() override;
  void OnOutputRightClicked() override;

  void OnSourceChosen(Source source) override;
  void OnFileButtonClicked(int index) override;
  void OnClearFileClicked(int index) override;
  void OnFilePathLeft(int index) override;
  void OnFolderButtonClicked() override;
  void OnClearFolderClicked() override;
  void OnFolderLeft() override;
  void OnPathPatternsLeft(int index) override;
  void OnListFilesClicked() override;
  void OnDisableOutputToFileClicked() override;

  void OnPhraseLengthChosen(int index) override;
  void OnMinimumFrequencyChosen() override;
  void OnIgnoreModeChosen(IgnoreMode mode) override;

  void OnWordOrderChosen() override;
  void OnDisplayFormatChosen() override;
  void OnRelativeFrequencyClicked() override;
  void OnSortByNumberOfFilesClicked() override;
  void OnFileListFormatClicked() override;
  void OnFilterWordsLeft() override;
  void OnFilterWordsEntered() override;
  void OnFilterWordsEdited() override;
  void OnFilterClicked() override;
  void OnClearFilterClicked() override;
  void OnFilterModeChosen(FilterMode mode) override;

  void Timer1_Tick() override { engine_.Timer1_Tick(); }
  void Timer2_Tick() override { engine_.Timer2_Tick(); }

 private:
  // Filtering relists the last count, so it is offered only while the
  // selected treatment of words to ignore is the one that count used.
  void EnableFilterResults();

  Engine& engine_;
};

class SettingsWindowEngine final : public SettingsWindowController {
 public:
  explicit SettingsWindowEngine(Engine& engine) : engine_(engine) {}

  Session& session() override { return engine_.session(); }
  void OnWordRuleClicked(WordRuleBox box) override { engine_.OnWordRuleClicked(box); }
  void OnSetOrClearCheckboxesClicked(int index) override {
    engine_.OnSetOrClearCheckboxesClicked(index);
  }
  void OnRestoreDefaultsClicked() override { engine_.OnRestoreDefaultsClicked(); }
  bool OnQuitClicked() override;
  bool WordsFileChoiceWanted() override;
  void OnWordsFileActionChosen(LoadRemoveChoice choice) override {
    engine_.LoadRemoveChosen(choice);
  }
  void OnSelectWordsFileClicked() override { engine_.OnSelectWordsFileClicked(); }
  void OnClearWordsFilesClicked() override;
  void OnCommonWordsLanguageChosen() override { engine_.OnCommonWordsLanguageChosen(); }
  void OnExtraWordsLeft() override { engine_.OnExtraWordsLeft(); }
  void OnClearExtraWordsClicked() override { engine_.OnClearExtraWordsClicked(); }
  void OnSaveSettingsClicked() override { engine_.SaveStateWithPopUp(false); }
  void OnSaveOrLoadSettingsFileClicked(int index) override {
    engine_.OnSaveOrLoadSettingsFileClicked(index);
  }
  void OnReinitializeClicked() override { engine_.OnReinitializeClicked(); }

 private:
  Engine& engine_;
};

}  // namespace velt
