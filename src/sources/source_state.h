// Main-window state of the text sources.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/text.h"
#include "sources/temp_area.h"

namespace velt {

struct SourceState {
  // Folder scan.
  bool blnListingFiles = false;
  bool blnCountingFiles = false;
  bool blnReadingFiles = false;
  int32_t lngNumFiles = 0;
  int32_t lngTotalNumFiles = 0;
  int intNumFolders = 1;
  static constexpr int intProgressBarWidth = 40;
  std::vector<Text> astrFilePatterns;    // lower-cased
  std::vector<Text> astrExclusionTexts;  // lower-cased
  std::vector<Text> astrSkippedExtensions;
  bool fileCountOutOfDate = true;
  // The file the walk last put into the input-file box, as text and as the
  // file system spells it (a name need not be valid UTF-8).
  Text strCurrentFileText;
  std::string strCurrentFileNative;

  // Remembered boxes while the other source is selected.
  Text strSavedInputFile;
  Text strSavedFolder;

  // Clipboard text fetched for the current run.
  Text strClipboardText;

  // The private folder that holds the DOCX temporary folders.
  TempArea tempArea;
};

}  // namespace velt
