// What the main window asks of the engine: one operation per user action. The
// window first writes the control's new value into the Settings record (or
// passes it as an argument), then calls the operation; the engine answers by
// changing its models (Settings, WindowModel, TextWindow) and through the seams.
#pragma once

#include "engine/session.h"

namespace velt {

class MainWindowController {
 public:
  virtual ~MainWindowController() = default;

  virtual Session& session() = 0;

  // Start-up after the window is shown and before the timers run; quitting.
  virtual void StartUp() = 0;
  virtual void cmdQuit_Click() = 0;

  // Counting and the text window.
  virtual void cmdCountPhrases_Click() = 0;
  virtual void cmdClearOutput_Click() = 0;
  virtual void cmdSaveState_Click() = 0;
  // Puts the selected text (or the whole text when none) on the clipboard.
  virtual void cmdCopyToClipboard_Click(const Text& selectedText) = 0;
  virtual void txbOutput_LeftClick() = 0;
  virtual void txbOutput_RightClick() = 0;

  // Source selection and the file boxes.
  virtual void optSource_Click(Source source) = 0;
  virtual void cmdFile_Click(int index) = 0;
  virtual void cmdClearFile_Click(int index) = 0;
  virtual void txbFile_LostFocus(int index) = 0;
  virtual void cmdFolder_Click() = 0;
  virtual void cmdClearFolder_Click() = 0;
  virtual void txbFolder_LostFocus() = 0;
  virtual void txbFileFilepathSpecifications_LostFocus(int index) = 0;
  virtual void cmdListFiles_Click() = 0;
  virtual void chkDisableOutputToFile_Click() = 0;

  // Phrase options and the treatment of words to ignore.
  virtual void cboPhraseLength_Click(int index) = 0;
  virtual void cboMinimumFrequency_Click() = 0;
  virtual void optIgnoreMode_Click(IgnoreMode mode) = 0;

  // Report options and filtering.
  virtual void cboWordOrder_Click() = 0;
  virtual void cboDisplayFormat_Click() = 0;
  virtual void chkDisplayRelativeFrequency_Click() = 0;
  virtual void chkSortByNumberOfFiles_Click() = 0;
  virtual void chkFileList_Click() = 0;
  virtual void txbFilterWords_LostFocus() = 0;
  virtual void txbFilterWords_Enter() = 0;
  virtual void txbFilterWords_Changed() = 0;
  virtual void cmdFilterResults_Click() = 0;
  virtual void cmdClear_Click() = 0;
  virtual void optFilterMode_Click(FilterMode mode) = 0;

  // The two one-second timers.
  virtual void Timer1_Tick() = 0;
  virtual void Timer2_Tick() = 0;
};

}  // namespace velt
