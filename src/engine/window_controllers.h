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
  void cmdQuit_Click() override { engine_.Quit(); }

  void cmdCountPhrases_Click() override { engine_.cmdCountPhrases_Click(); }
  void cmdClearOutput_Click() override;
  void cmdSaveState_Click() override { engine_.SaveStateWithPopUp(true); }
  void cmdCopyToClipboard_Click(const Text& selectedText) override {
    engine_.cmdCopyToClipboard_Click(selectedText);
  }
  void txbOutput_LeftClick() override;
  void txbOutput_RightClick() override;

  void optSource_Click(Source source) override;
  void cmdFile_Click(int index) override;
  void cmdClearFile_Click(int index) override;
  void txbFile_LostFocus(int index) override;
  void cmdFolder_Click() override;
  void cmdClearFolder_Click() override;
  void txbFolder_LostFocus() override;
  void txbFileFilepathSpecifications_LostFocus(int index) override;
  void cmdListFiles_Click() override;
  void chkDisableOutputToFile_Click() override;

  void cboPhraseLength_Click(int index) override;
  void cboMinimumFrequency_Click() override;
  void optIgnoreMode_Click(IgnoreMode mode) override;

  void cboWordOrder_Click() override;
  void cboDisplayFormat_Click() override;
  void chkDisplayRelativeFrequency_Click() override;
  void chkSortByNumberOfFiles_Click() override;
  void chkFileList_Click() override;
  void txbFilterWords_LostFocus() override;
  void txbFilterWords_Enter() override;
  void txbFilterWords_Changed() override;
  void cmdFilterResults_Click() override;
  void cmdClear_Click() override;
  void optFilterMode_Click(FilterMode mode) override;

  void Timer1_Tick() override { engine_.Timer1_Tick(); }
  void Timer2_Tick() override { engine_.Timer2_Tick(); }

 private:
  Engine& engine_;
};

class SettingsWindowEngine final : public SettingsWindowController {
 public:
  explicit SettingsWindowEngine(Engine& engine) : engine_(engine) {}

  Session& session() override { return engine_.session(); }
  void chkWordRule_Click(WordRuleBox box) override { engine_.chkWordRule_Click(box); }
  void cmdSetOrClearCheckboxes_Click(int index) override {
    engine_.cmdSetOrClearCheckboxes_Click(index);
  }
  void cmdRestoreDefaults_Click() override { engine_.cmdRestoreDefaults_Click(); }
  bool cmdQuit_Click() override;
  bool cboWordsFile_ClickWanted() override;
  void cboWordsFile_Chosen(LoadRemoveChoice choice) override { engine_.LoadRemoveChosen(choice); }
  void cmdSelectWordsFile_Click() override { engine_.cmdSelectWordsFile_Click(); }
  void cmdClearWordsFile_Click() override;
  void cboCommonWordsLanguages_Click() override { engine_.cboCommonWordsLanguages_Click(); }
  void txbWordsToIgnoreOrCount_LostFocus() override { engine_.txbWordsToIgnoreOrCount_LostFocus(); }
  void cmdClearWordsToIgnoreOrCount_Click() override {
    engine_.cmdClearWordsToIgnoreOrCount_Click();
  }
  void cmdSaveState_Click() override { engine_.SaveStateWithPopUp(false); }
  void cmdSaveLoadState_Click(int index) override { engine_.cmdSaveLoadState_Click(index); }
  void cmdInitialize_Click() override { engine_.cmdInitialize_Click(); }

 private:
  Engine& engine_;
};

}  // namespace velt
