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
  virtual void OnQuitClicked() = 0;
  // The window was shown (true) or hidden by the program, not by the user
  // minimising it.
  virtual void OnWindowShown(bool shown) = 0;
  // The help window was closed: the focus goes back to the Count button.
  virtual void OnHelpClosed() = 0;

  // Counting and the text window.
  virtual void OnCountClicked() = 0;
  virtual void OnClearOutputClicked() = 0;
  virtual void OnSaveSettingsClicked() = 0;
  // Puts the selected text (or the whole text when none) on the clipboard.
  virtual void OnCopyClicked(const Text& selectedText) = 0;
  virtual void OnOutputLeftClicked() = 0;
  virtual void OnOutputRightClicked() = 0;

  // Source selection and the file boxes.
  virtual void OnSourceChosen(Source source) = 0;
  virtual void OnFileButtonClicked(int index) = 0;
  virtual void OnClearFileClicked(int index) = 0;
  virtual void OnFilePathLeft(int index) = 0;
  virtual void OnFolderButtonClicked() = 0;
  virtual void OnClearFolderClicked() = 0;
  virtual void OnFolderLeft() = 0;
  virtual void OnPathPatternsLeft(int index) = 0;
  virtual void OnListFilesClicked() = 0;
  virtual void OnDisableOutputToFileClicked() = 0;

  // Phrase options and the treatment of words to ignore.
  virtual void OnPhraseLengthChosen(int index) = 0;
  virtual void OnMinimumFrequencyChosen() = 0;
  virtual void OnIgnoreModeChosen(IgnoreMode mode) = 0;

  // Report options and filtering.
  virtual void OnWordOrderChosen() = 0;
  virtual void OnDisplayFormatChosen() = 0;
  virtual void OnRelativeFrequencyClicked() = 0;
  virtual void OnSortByNumberOfFilesClicked() = 0;
  virtual void OnFileListFormatClicked() = 0;
  virtual void OnFilterWordsLeft() = 0;
  virtual void OnFilterWordsEntered() = 0;
  virtual void OnFilterWordsEdited() = 0;
  virtual void OnFilterClicked() = 0;
  virtual void OnClearFilterClicked() = 0;
  virtual void OnFilterModeChosen(FilterMode mode) = 0;

  // The two one-second timers. Timer2 runs only while the engine wants it
  // (a count shows its elapsed time).
  virtual void Timer1_Tick() = 0;
  virtual void Timer2_Tick() = 0;
  virtual bool ElapsedTimeTimerWanted() = 0;
};

}  // namespace velt
