// The report options one listing works with. They are read once when the
// listing starts, so an option clicked while it runs cannot mix two layouts in
// one report (the click relists afterwards).
#pragma once

#include "settings/settings.h"

namespace velt {

struct ReportOptions {
  int displayFormat = 0;  // displayFormat, 0 to 12
  int wordOrder = 0;      // wordOrder: 0 by frequency, 1 alphabetical
  bool relativeFrequency = false;
  bool sortByNumberOfFiles = false;
  FilterMode filterMode = FilterMode::AllWords;
  Text filterWordsBox;  // filterWords as shown in the filtered header
  Source source = Source::SingleFile;
  Text inputFile;  // filePaths[0]
  Text folder;     // inputFolder
  bool includeSubfolders = false;

  static ReportOptions From(const Settings& settings);
};

// The formats that list a frequency column and so may show relative frequency.
bool FormatHasFrequencyColumn(int displayFormat);

// Formats 10, 11 and 12 list per-file data and need the folder source.
inline bool FormatNeedsFolder(int displayFormat) {
  return displayFormat > 9;
}

// The UI text number of a format's caption in displayFormat (61 is unused).
inline int DisplayFormatCaptionNumber(int displayFormat) {
  return displayFormat <= 9 ? 51 + displayFormat : 52 + displayFormat;
}

}  // namespace velt
