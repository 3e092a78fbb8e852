// Every control of the Settings window (frmParams), created with the program's
// control names, design captions, tooltips and filled lists, and arranged in
// their frames: word characters and ignored word shapes on the left; phrase
// boundaries, words to ignore, options and settings files on the right; the
// window's buttons along the bottom.
#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "settings/settings.h"
#include "ui/settings_window_checks.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velt::ui {

struct SettingsWindowControls {
  QGroupBox* wordCharactersGroup;
  QLabel* alsoLabel;
  QGroupBox* phraseBoundariesGroup;

  // Ignored word shapes.
  QGroupBox* ignoredWordShapesGroup;
  QComboBox* shortWordSizeIndex;
  QComboBox* longWordSizeIndex;

  // Words to ignore.
  QGroupBox* wordsToIgnoreGroup;
  QComboBox* commonWordsLanguage;
  QPushButton* selectWordsFileButton;
  QComboBox* wordsFileList;
  QPushButton* clearWordsFilesButton;
  QLineEdit* extraWords;
  QPushButton* clearExtraWordsButton;

  QGroupBox* optionsGroup;

  // Settings files.
  QGroupBox* settingsFilesGroup;
  QPushButton* saveSettingsButton;
  QPushButton* reinitializeButton;
  std::array<QPushButton*, 2> saveLoadButtons;  // 0 save to file, 1 load from file
  QLabel* stateLabel;
  QLineEdit* stateFileBox;

  // The window's buttons.
  std::array<QPushButton*, 2> setOrClearCheckboxesButtons;  // 0 clear all, 1 check all
  QPushButton* restoreDefaultsButton;
  QPushButton* closeButton;
  QPushButton* quitButton;

  // The 26 check boxes, in the order of SettingsCheckBoxes().
  std::array<QCheckBox*, kSettingsCheckBoxCount> checks;

  // Every control that takes the focus, in the order Tab visits them.
  std::vector<QWidget*> TabOrder() const;
};

// Creates the controls and arranges them on `window`, which becomes their parent.
SettingsWindowControls CreateSettingsWindowControls(QWidget* window);

// The entries of the language list, in the order of the common-words files.
QStringList CommonWordsLanguages();

}  // namespace velt::ui
