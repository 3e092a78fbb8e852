// Names of the window controls the engine reads or changes. Control arrays are
// written with their index (txbFile_0, txbFile_1), as the windows name them.
// Both windows have a "Save settings" and a "Quit" button of the same name;
// the Settings window's are told apart by the prefix "frmParams_", which is
// not part of the widget's name.
#pragma once

#include <array>
#include <string_view>

namespace velt {

// clang-format off
#define VELT_CONTROLS(X)                                                                        \
  /* main window */                                                                             \
  X(frmMain) X(cmdCountPhrases) X(cmdSetParameters) X(cmdSaveState) X(cmdCopyToClipboard)      \
  X(cmdClipboardViewer) X(cmdClearOutput) X(cmdQuit) X(cmdHelp) X(txbOutput)                    \
  X(lblOnlineDocumentation) X(lblNumberOfWords) X(lblNumWordsExcluded) X(lblNumOccurrences)     \
  X(lblTotalNumOccurrences) X(lblTimeElapsed_1) X(lblTwirler) X(fraSource) X(lblSelectSource)   \
  X(optOnClipboard) X(optInFile) X(optFolder) X(chkIncludeSubfolders) X(cmdFile_0) X(cmdFile_1) \
  X(txbFile_0) X(txbFile_1) X(cmdClearFile_0) X(cmdClearFile_1) X(lblFile) X(lblFilesize)       \
  X(lblXMLsize) X(chkDisableOutputToFile) X(cmdFolder) X(txbFolder) X(cmdClearFolder)           \
  X(lblScanOnlyFiles) X(lblExcludeFilepaths) X(txbFileFilepathSpecifications_0)                 \
  X(txbFileFilepathSpecifications_1) X(cmdListFiles) X(chkSuppressWords) X(fraPhraseLength)     \
  X(cboPhraseLength_0) X(cboPhraseLength_1) X(lblMinimumFrequency) X(cboMinimumFrequency)       \
  X(fraExcludePhrases) X(optAllowPhrasesAllWordsToIgnore) X(optExcludePhrasesWithWordToIgnore)  \
  X(optRemoveWordsToIgnore) X(optExcludePhrasesAllWordsToIgnore) X(lblWordsToIgnoreNotice)      \
  X(fraFilterResults) X(txbFilterWords) X(cmdFilterResults) X(cmdClear) X(optIncludeAllWords)   \
  X(optIncludeAllWordsInSameOrder) X(optIncludeAllWordsAsSubphrase) X(cboWordOrder)             \
  X(cboDisplayFormat) X(chkDisplayRelativeFrequency) X(chkSortByNumberOfFiles) X(chkFileList)   \
  /* settings window */                                                                         \
  X(frmParams) X(fraIgnoreTheseWords) X(fraWordCharacters) X(fraIgnoreWords) X(fraOptions)      \
  X(fraSettings) X(cboWordsFile_0) X(cmdSelectWordsFile_0) X(cmdClearWordsFile_0)               \
  X(txbWordsToIgnoreOrCount_0) X(cmdClearWordsToIgnoreOrCount_0) X(cboCommonWordsLanguages)     \
  X(cmdSetOrClearCheckboxes_0) X(cmdSetOrClearCheckboxes_1) X(cmdRestoreDefaults) X(cmdClose)   \
  X(lblState) X(txbStateFile) X(cmdInitialize) X(frmParams_cmdSaveState) X(frmParams_cmdQuit)
// clang-format on

enum class ControlId {
#define VELT_CONTROL_ENUM(name) name,
  VELT_CONTROLS(VELT_CONTROL_ENUM)
#undef VELT_CONTROL_ENUM
      kCount
};

constexpr size_t kControlCount = static_cast<size_t>(ControlId::kCount);

// The control's name as the windows use it for objectName ("txbFile_0").
constexpr std::string_view ControlName(ControlId id) {
  constexpr std::array<std::string_view, kControlCount> names = {
#define VELT_CONTROL_NAME(name) #name,
      VELT_CONTROLS(VELT_CONTROL_NAME)
#undef VELT_CONTROL_NAME
  };
  return names[static_cast<size_t>(id)];
}

// The window a control belongs to: the main window's controls come first in
// the list, the Settings window's from frmParams on.
constexpr ControlId OwningWindow(ControlId id) {
  return id < ControlId::frmParams ? ControlId::frmMain : ControlId::frmParams;
}

// The name of the widget within its window ("cmdSaveState" for both buttons
// of that name).
constexpr std::string_view WidgetName(ControlId id) {
  constexpr std::string_view prefix = "frmParams_";
  const std::string_view name = ControlName(id);
  return name.starts_with(prefix) ? name.substr(prefix.size()) : name;
}

}  // namespace velt
