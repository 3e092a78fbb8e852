// What the Settings window asks of the engine: one operation per user action.
// As with the main window, the window writes the control's new value into the
// Settings record first (check boxes, lists, the extra-words box), then calls
// the operation.
#pragma once

#include "engine/session.h"

namespace velt {

// What the Load/Remove dialog decided for the file picked from the
// words-to-ignore list.
enum class LoadRemoveChoice { Load, Remove, Cancel };

// Which check box of the word-character group changed (the twelve "Allow
// 'words' with" boxes and "Upper/lower case significant").
enum class WordRuleBox {
  Hyphens,
  Apostrophes,
  Underscores,
  Colons,
  Backslashes,
  Forwardslashes,
  Parentheses,
  Ampersands,
  Periods,
  Commas,
  AtSigns,
  Numerals,
  CaseSignificant
};

class SettingsWindowController {
 public:
  virtual ~SettingsWindowController() = default;

  virtual Session& session() = 0;

  // A word-rule box was clicked by the user (its new value is in settings).
  virtual void OnWordRuleClicked(WordRuleBox box) = 0;
  // index 1: "Check all checkboxes", index 0: "Clear all checkboxes".
  virtual void OnSetOrClearCheckboxesClicked(int index) = 0;
  virtual void OnRestoreDefaultsClicked() = 0;
  // "Quit": asks "Really quit?"; true when the program is to end.
  virtual bool OnQuitClicked() = 0;
  // The window was hidden ("Hide settings", or closed by the user).
  virtual void OnSettingsHidden() = 0;

  // Words to ignore. The user's choice of an entry of the list (its index is
  // in settings) first asks WordsFileChoiceWanted; when wanted, the window
  // shows the Load/Remove dialog and passes the option chosen there.
  virtual bool WordsFileChoiceWanted() = 0;  // false: ignore the click (guards)
  virtual void OnWordsFileActionChosen(LoadRemoveChoice choice) = 0;
  virtual void OnSelectWordsFileClicked() = 0;
  virtual void OnClearWordsFilesClicked() = 0;
  virtual void OnCommonWordsLanguageChosen() = 0;
  virtual void OnExtraWordsLeft() = 0;  // also Enter
  virtual void OnClearExtraWordsClicked() = 0;

  // Settings files.
  virtual void OnSaveSettingsClicked() = 0;
  virtual void OnSaveOrLoadSettingsFileClicked(int index) = 0;  // 0 save to file, 1 load from file
  virtual void OnReinitializeClicked() = 0;
};

}  // namespace velt
