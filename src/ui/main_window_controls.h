// Every control of the main window, created with the program's control names,
// design-time captions and tooltips, and filled lists. Arranging them is the
// layout's job, reacting to them the window's.
#pragma once

#include <array>

#include "settings/ui_text_table.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velt::ui {

struct MainWindowControls {
  // Source of the text.
  QGroupBox* sourceGroup;
  QLabel* selectSourceLabel;
  QRadioButton* clipboardOption;
  QRadioButton* singleFileOption;
  QRadioButton* folderOption;
  QButtonGroup* sourceOptions;
  QCheckBox* includeSubfolders;
  QPushButton* clipboardViewerButton;

  // Input and output files, folder and file patterns.
  std::array<QPushButton*, 2> fileButtons;
  std::array<QLineEdit*, 2> filePaths;
  std::array<QPushButton*, 2> clearFileButtons;
  QLabel* fileLabel;
  QLabel* fileSizeLabel;
  QLabel* textSizeLabel;
  QCheckBox* outputToFileDisabled;
  QPushButton* folderButton;
  QLineEdit* inputFolder;
  QPushButton* clearFolderButton;
  QLabel* filePatternsLabel;
  QLabel* excludePathsLabel;
  std::array<QLineEdit*, 2> pathPatterns;
  QPushButton* listFilesButton;
  QCheckBox* suppressWordsAsFound;

  // Phrase length and minimum occurrences.
  QGroupBox* phraseLengthGroup;
  std::array<QLabel*, 2> phraseLengthLabel;
  std::array<QComboBox*, 2> phraseLengthIndexes;
  QLabel* minimumFrequencyLabel;
  QComboBox* minimumFrequencyIndex;

  // Treatment of words to ignore.
  QGroupBox* ignoreModeGroup;
  QRadioButton* allowIgnoredOnlyOption;
  QRadioButton* excludeWithIgnoredOption;
  QRadioButton* removeIgnoredOption;
  QRadioButton* excludeIgnoredOnlyOption;
  QButtonGroup* ignoreOptions;
  QLabel* wordsToIgnoreNotice;

  // Filter words.
  QGroupBox* filterGroup;
  QLineEdit* filterWords;
  QPushButton* filterButton;
  QPushButton* clearFilterButton;
  QRadioButton* allWordsOption;
  QRadioButton* inSameOrderOption;
  QRadioButton* asSubphraseOption;
  QButtonGroup* filterOptions;
  QLabel* Label2;

  // Report options.
  QLabel* wordOrderLabel;
  QComboBox* wordOrder;
  QLabel* displayFormatLabel;
  QComboBox* displayFormat;
  QCheckBox* relativeFrequency;
  QCheckBox* sortByNumberOfFiles;
  QCheckBox* fileListFormat;

  // Commands.
  QPushButton* countButton;
  QPushButton* settingsButton;
  QPushButton* saveSettingsButton;
  QPushButton* copyButton;
  QPushButton* clearOutputButton;
  QPushButton* helpButton;
  QPushButton* quitButton;
  QLabel* manualLink;

  // The text window, its counters and progress displays.
  QPlainTextEdit* outputText;
  QLabel* phraseCountLabel;
  QLabel* instancesLabel;
  QLabel* occurrencesLabel;
  QLabel* progressLabel;
  QLabel* timeElapsedLabel;
  QLabel* activityLabel;
};

// Creates the controls as children of `parent`.
MainWindowControls CreateMainWindowControls(QWidget* parent, const UiTextTable& texts);

}  // namespace velt::ui
