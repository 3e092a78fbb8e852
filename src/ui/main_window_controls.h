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
  QGroupBox* fraSource;
  QLabel* lblSelectSource;
  QRadioButton* optOnClipboard;
  QRadioButton* optInFile;
  QRadioButton* optFolder;
  QButtonGroup* sourceOptions;
  QCheckBox* chkIncludeSubfolders;
  QPushButton* cmdClipboardViewer;

  // Input and output files, folder and file patterns.
  std::array<QPushButton*, 2> cmdFile;
  std::array<QLineEdit*, 2> txbFile;
  std::array<QPushButton*, 2> cmdClearFile;
  QLabel* lblFile;
  QLabel* lblFilesize;
  QLabel* lblXMLsize;
  QCheckBox* chkDisableOutputToFile;
  QPushButton* cmdFolder;
  QLineEdit* txbFolder;
  QPushButton* cmdClearFolder;
  QLabel* lblScanOnlyFiles;
  QLabel* lblExcludeFilepaths;
  std::array<QLineEdit*, 2> txbFileFilepathSpecifications;
  QPushButton* cmdListFiles;
  QCheckBox* chkSuppressWords;

  // Phrase length and minimum occurrences.
  QGroupBox* fraPhraseLength;
  std::array<QLabel*, 2> lblPhraseLength;
  std::array<QComboBox*, 2> cboPhraseLength;
  QLabel* lblMinimumFrequency;
  QComboBox* cboMinimumFrequency;

  // Treatment of words to ignore.
  QGroupBox* fraExcludePhrases;
  QRadioButton* optAllowPhrasesAllWordsToIgnore;
  QRadioButton* optExcludePhrasesWithWordToIgnore;
  QRadioButton* optRemoveWordsToIgnore;
  QRadioButton* optExcludePhrasesAllWordsToIgnore;
  QButtonGroup* ignoreOptions;
  QLabel* lblWordsToIgnoreNotice;

  // Filter words.
  QGroupBox* fraFilterResults;
  QLineEdit* txbFilterWords;
  QPushButton* cmdFilterResults;
  QPushButton* cmdClear;
  QRadioButton* optIncludeAllWords;
  QRadioButton* optIncludeAllWordsInSameOrder;
  QRadioButton* optIncludeAllWordsAsSubphrase;
  QButtonGroup* filterOptions;
  QLabel* Label2;

  // Report options.
  QLabel* lblWordOrder;
  QComboBox* cboWordOrder;
  QLabel* lblDisplayFormat;
  QComboBox* cboDisplayFormat;
  QCheckBox* chkDisplayRelativeFrequency;
  QCheckBox* chkSortByNumberOfFiles;
  QCheckBox* chkFileList;

  // Commands.
  QPushButton* cmdCountPhrases;
  QPushButton* cmdSetParameters;
  QPushButton* cmdSaveState;
  QPushButton* cmdCopyToClipboard;
  QPushButton* cmdClearOutput;
  QPushButton* cmdHelp;
  QPushButton* cmdQuit;
  QLabel* lblOnlineDocumentation;

  // The text window, its counters and progress displays.
  QPlainTextEdit* txbOutput;
  QLabel* lblNumberOfWords;
  QLabel* lblNumWordsExcluded;
  QLabel* lblNumOccurrences;
  QLabel* lblTotalNumOccurrences;
  QLabel* lblTimeElapsed_1;
  QLabel* lblTwirler;
};

// Creates the controls as children of `parent`.
MainWindowControls CreateMainWindowControls(QWidget* parent, const UiTextTable& texts);

}  // namespace velt::ui
