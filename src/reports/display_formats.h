// The thirteen display formats of a report and what each one implies, in one
// table: the line layouts themselves are built by LineFormatter.
#pragma once

#include <array>

#include "settings/settings.h"

namespace velt {

struct DisplayFormatInfo {
  int captionText;       // the UI text number of its entry in the format list
  bool frequencyColumn;  // lists a frequency column, so relative frequency applies
  bool needsFolder;      // lists per-file data: only for the folder source
  bool notesLongest;     // the header notes "[longest has N characters]"
  bool phraseOnly;       // one trimmed phrase per line
  bool commaList;        // every phrase on one line, separated by ", "
  bool fileBlock;        // each phrase followed by its block of per-file counts
};

// Indexed by the format's number, 0 to 12 (UI text 61 is unused).
inline constexpr std::array<DisplayFormatInfo, kDisplayFormatCount> kDisplayFormats = {{
    // caption frequency folder longest phraseOnly commaList fileBlock
    {51, true, false, true, false, false, false},    // 0 rank, frequency, phrase
    {52, true, false, false, false, false, false},   // 1 rank, phrase, frequency
    {53, true, false, false, false, false, false},   // 2 rank, frequency
    {54, false, false, true, false, false, false},   // 3 rank, phrase
    {55, true, false, false, false, false, false},   // 4 frequency, rank
    {56, true, false, true, false, false, false},    // 5 frequency, phrase
    {57, false, false, false, false, false, false},  // 6 phrase, rank
    {58, true, false, false, false, false, false},   // 7 phrase, frequency
    {59, false, false, true, true, false, false},    // 8 phrase only
    {60, false, false, true, false, true, false},    // 9 phrases separated by commas
    {62, true, true, false, false, false, false},    // 10 phrase, frequency, files
    {63, false, true, false, false, false, false},   // 11 phrase and its files
    {64, true, true, false, false, false, true},     // 12 phrase and per-file counts
}};

// The format "Set display format to #10" selects: the files of each phrase.
inline constexpr int kFileListFormat = 10;

// The entry of a format number; an out-of-range number gets format 0's.
inline const DisplayFormatInfo& DisplayFormatOf(int format) {
  return format >= 0 && format < kDisplayFormatCount ? kDisplayFormats[static_cast<size_t>(format)]
                                                     : kDisplayFormats[0];
}

}  // namespace velt
