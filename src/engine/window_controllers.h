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
  void OnQuitClicked() override;
  void OnWindowShown(bool shown) override;
  void OnHelpClosed() override;

  void OnCountClicked() override;
  void OnClearOutputClicked() override;
  void OnSaveSettingsClicked() override;
  void OnCopyClicked(const Text& selectedText) override;
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

  void Timer1_Tick() override;
  void Timer2_Tick() override;
  bool ElapsedTimeTimerWanted() override;

 private:
  // The Count button: "Really stop?" while a count runs; before a count, the
  // phrase lengths must make sense and the user may rather change the minimum
  // number of occurrences or drop the filter words (false: no count).
  void AskToStop();
  bool PhraseLengthsValid();
  bool MinimumFrequencyKept();
  bool FilterWordsKept();

  // Timer1: the Stop button's caption; while no count runs, the controls
  // that follow their boxes and the tooltips of the paths.
  void ShowStopButtonCaption();
  void EnableIdleControls();
  void ShowPathTooltips();

  // Filtering relists the last count, so it is offered only while the
  // selected treatment of words to ignore is the one that count used.
  void EnableFilterResults();

  Engine& engine_;
};

class SettingsWindowEngine final : public SettingsWindowController {
 public:
  explicit SettingsWindowEngine(Engine& engine) : engine_(engine) {}

  Session& session() override { return engine_.session(); }
  void OnWordRuleClicked(WordRuleBox box) override;
  void OnSetOrClearCheckboxesClicked(int index) override;
  void OnRestoreDefaultsClicked() override;
  bool OnQuitClicked() override;
  void OnSettingsHidden() override;

  bool WordsFileChoiceWanted() override;
  void OnWordsFileActionChosen(LoadRemoveChoice choice) override;
  void OnSelectWordsFileClicked() override;
  void OnClearWordsFilesClicked() override;
  void OnCommonWordsLanguageChosen() override;
  void OnExtraWordsLeft() override;
  void OnClearExtraWordsClicked() override;

  void OnSaveSettingsClicked() override { engine_.SaveStateWithPopUp(false); }
  void OnSaveOrLoadSettingsFileClicked(int index) override;
  void OnReinitializeClicked() override;

 private:
  // "Save settings to file" and "Load settings from file".
  void SaveSettingsToFile();
  void LoadSettingsFromFile();
  // The main window's ignore-mode option that a language choice implies.
  void SelectIgnoreMode(IgnoreMode mode);

  Engine& engine_;
};

}  // namespace velt
