// Main-window state of the text sources.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/temp_area.h"
#include "text/text.h"

namespace velt {

struct SourceState {
  // Folder scan.
  bool listingFiles = false;
  bool countingFiles = false;
  bool readingFiles = false;
  int32_t fileCount = 0;
  int32_t totalFileCount = 0;
  int folderCount = 1;
  static constexpr int progressBarWidth = 40;
  std::vector<Text> filePatterns;    // lower-cased
  std::vector<Text> exclusionTexts;  // lower-cased
  std::vector<Text> skippedExtensions;
  bool fileCountOutOfDate = true;
  // The file being read: set by the walk for each file of a folder pass and by
  // the file reader for a single file, empty otherwise. The reader takes a
  // folder pass's file from here, never from the input-file box, which keeps
  // the path the user chose for the single-file source.
  Text currentFile;
  // Folders and matching files the counting pass could not reach because
  // their paths are longer than the system allows.
  int foldersTooLong = 0;
  int filesTooLong = 0;

  // Remembered boxes while the other source is selected.
  Text savedInputFile;
  Text savedFolder;

  // Clipboard text fetched for the current run.
  Text clipboardText;

  // The private folder that holds the DOCX temporary folders.
  TempArea tempArea;
};

}  // namespace velt
