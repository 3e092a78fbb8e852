// The report options one listing works with. They are read once when the
// listing starts, so an option clicked while it runs cannot mix two layouts in
// one report (the click relists afterwards).
#pragma once

#include "settings/settings.h"

namespace velt {

struct ReportOptions {
  int displayFormat = 0;  // 0 to 12: an index of kDisplayFormats
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

}  // namespace velt
