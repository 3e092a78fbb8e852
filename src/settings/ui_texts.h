// The numbers of the UI texts the program shows, by what they say. The texts
// themselves are in velt.dat (UiTextTable); the display formats' captions are
// in reports/display_formats.h.
#pragma once

namespace velt::ui_text {

inline constexpr int kProgramName = 1;  // the main window's caption; untitled messages
inline constexpr int kCopyToClipboard = 9;
inline constexpr int kSelectSource = 19;
inline constexpr int kCountPhrases = 21;  // the Count button when idle
inline constexpr int kListIncomplete = 22;
inline constexpr int kListIncompleteTitle = 23;
inline constexpr int kStopCounting = 25;  // the Count button while a count runs
inline constexpr int kTemporaryFolderTitle = 34;
inline constexpr int kListWithoutSelection = 37;
inline constexpr int kSettingsNotRestored = 38;
inline constexpr int kResetToDefaultsQuestion = 39;
inline constexpr int kSavedSettingsProblemTitle = 40;
inline constexpr int kUseCommonWordsQuestion = 41;
inline constexpr int kCommonWordsTitle = 42;
inline constexpr int kByFrequency = 43;  // the word-order list's entries
inline constexpr int kAlphabetical = 44;
inline constexpr int kChooseFolder = 45;
inline constexpr int kSpecifyInputFileTitle = 46;
inline constexpr int kSpecifyOutputFileTitle = 47;
inline constexpr int kFolderMissing = 48;
inline constexpr int kSettingsSaved = 50;
inline constexpr int kStopCountingManyPhrases = 90;  // the Count button past 800 phrases
inline constexpr int kSettingsWindowTitle = 91;
inline constexpr int kReportTooLong = 92;
inline constexpr int kTextWindowFull = 93;
inline constexpr int kOutputFileKeepsWholeReport = 94;
inline constexpr int kOutputToFileDisabled = 95;
inline constexpr int kWholeReportInFile = 96;
inline constexpr int kErrorTitle = 97;
inline constexpr int kNoClipboardText = 213;
inline constexpr int kHelpTitle = 351;
inline constexpr int kDocumentSlow = 362;
inline constexpr int kStopCountingQuestion = 363;
inline constexpr int kFirstHelpParagraph = 364;  // the help window's paragraphs, in order
inline constexpr int kLastHelpParagraph = 369;
inline constexpr int kFileListFormat = 374;  // "Set display format to #10"

}  // namespace velt::ui_text
