// The settings record: every choice that changes what a run counts or reports.
// Field names are the names of the controls that show them.
#pragma once

#include <array>
#include <vector>

#include "text/text.h"

namespace velt {

enum class Source { Clipboard = 0, SingleFile = 1, Folder = 2 };

// The four treatments of words to ignore; the numbers are the option codes.
enum class IgnoreMode {
  None = 0,  // no option button selected
  AllowAllIgnored = 1,
  ExcludeAllIgnored = 2,
  RemoveIgnored = 3,
  ExcludeContainingIgnored = 4,
};

// Filter-words modes; the numbers are those of the state file.
enum class FilterMode { AllWords = 0, SameOrder = 1, Subphrase = 2 };

// Base values of the lists whose value is "list index + base".
constexpr int kPhraseLengthBase = 2;  // phraseLengthIndexes lists "2" to "25"
constexpr int kPhraseLengthCount = 24;
constexpr int kFrequencyBase = 1;  // minimumFrequencyIndex lists "1" to "20"
constexpr int kFrequencyCount = 20;
constexpr int kShortWordSizeBase = 2;  // shortWordSizeIndex lists "2" to "20"
constexpr int kShortWordSizeCount = 19;
constexpr int kLongWordSizeCount = 7;  // longWordSizeIndex lists "20", "30", ... "80"
constexpr int kDisplayFormatCount = 13;
constexpr int kWordOrderCount = 2;
constexpr int kLanguageCount = 8;      // six languages, all six, "[No language selected]"
constexpr size_t kMaxWordsFiles = 99;  // entries of the words-to-ignore file list

struct WordsFileList {
  std::vector<Text> entries;  // at most 99 paths added by the user
  int index = -1;             // the selected entry, -1 for none

  bool HasSelection() const { return index >= 0 && index < static_cast<int>(entries.size()); }
  const Text& Selected() const { return entries[static_cast<size_t>(index)]; }

  bool operator==(const WordsFileList&) const = default;
};

struct Settings {
  // Settings window: word characters and case.
  bool caseSignificant = false;
  bool allowHyphens = true;
  bool allowApostrophes = false;
  bool allowUnderscores = false;
  bool allowColons = false;
  bool allowBackslashes = false;
  bool allowForwardSlashes = false;
  bool allowParentheses = false;
  bool allowAmpersands = false;
  bool allowPeriods = false;
  bool allowCommas = false;
  bool allowAtSigns = false;
  bool allowNumeralsInWords = false;
  bool only7BitAscii = false;
  // Ignored word shapes.
  bool ignoreShortWords = true;
  int shortWordSizeIndex = 1;  // value = index + 2
  int longWordSizeIndex = 2;   // value = 20 + 10 * index
  bool ignoreRepetitions = true;
  bool ignoreWordsWithoutLetter = true;
  // Phrase boundaries.
  bool endPhraseAtLineEnd = false;
  bool endPhraseAtPeriod = true;
  bool endPhraseAtDoubleQuote = true;
  bool endPhraseAtTab = true;
  bool endPhraseAtComma = false;
  // Options.
  bool patternMatching = false;
  bool keepDocxText = false;
  bool warnOnOverwrite = false;
  bool saveStateOnQuit = false;
  // Words to ignore.
  Text extraWords;
  WordsFileList wordsFileList;
  int commonWordsLanguage = 0;

  // Main window.
  Source source = Source::SingleFile;
  std::array<Text, 2> filePaths;  // 0 input file, 1 output file
  Text inputFolder;
  std::array<Text, 2> pathPatterns;  // 0 file patterns, 1 exclusion texts
  bool includeSubfolders = false;
  bool outputToFileDisabled = false;
  std::array<int, 2> phraseLengthIndexes = {0, 4};  // 0 minimum, 1 maximum; value = index + 2
  int minimumFrequencyIndex = 1;                    // value = index + 1
  int wordOrder = 0;                                // 0 by frequency, 1 alphabetical
  int displayFormat = 0;
  bool relativeFrequency = false;
  bool sortByNumberOfFiles = false;
  Text filterWords;
  FilterMode filterMode = FilterMode::AllWords;
  IgnoreMode ignoreMode = IgnoreMode::ExcludeAllIgnored;
  bool suppressWordsAsFound = true;  // "Don't display words as found" (checked and hidden)
  bool fileListFormat = false;       // "Set display format to #10"

  int ShortWordSize() const { return shortWordSizeIndex + kShortWordSizeBase; }
  int LongWordSize() const { return 20 + 10 * longWordSizeIndex; }
  int MinPhraseLength() const { return phraseLengthIndexes[0] + kPhraseLengthBase; }
  int MaxPhraseLength() const { return phraseLengthIndexes[1] + kPhraseLengthBase; }
  int MinimumFrequency() const { return minimumFrequencyIndex + kFrequencyBase; }

  // The 26 check boxes of the Settings window, in the order in which
  // "Check all checkboxes" and "Clear all checkboxes" set them.
  std::array<bool*, 26> SettingsCheckboxes();

  // Resets the Settings-window fields to their defaults (long-word size index 3);
  // leaves the main-window fields, the extra words and the file list alone.
  void SetSettingsWindowDefaults();

  bool operator==(const Settings&) const = default;
};

}  // namespace velt
