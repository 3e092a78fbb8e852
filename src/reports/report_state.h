// Main-window state of listings and of the two output sinks.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace velt {

// The characters of report text the text window is meant to hold. A long
// report (the 171,033 phrases of 2 to 6 words that occur twice in a 4.4 MB
// text take about 8.5 million) stands whole in the window.
inline constexpr int32_t kTextboxCapacity = 20'000'000;
// How far past its capacity the window takes text before it refuses more.
inline constexpr size_t kTextWindowLimitMargin = 65'536;

// The window's hard limit for a given capacity.
inline size_t TextWindowLimit(int32_t capacity) {
  return static_cast<size_t>(capacity < 0 ? 0 : capacity) + kTextWindowLimitMargin;
}

struct ReportState {
  // Text window sink.
  Text pendingOutput;                             // pending text not yet in the window
  int32_t textWindowCapacity = kTextboxCapacity;  // set by Initialize
  int32_t windowLength = 0;
  int32_t previousWindowLength = 0;
  bool textWindowFull = false;

  // File sink.
  bool writingOutputFile = false;  // the current pass writes to the output file
  bool outputFileWritten = false;  // the last listing reached the file
  // The last listing was to write the output file and did not (it failed,
  // was stopped, or the path given at the overwrite prompt had no folder).
  bool outputFileMissed = false;
  // Run-time errors reported (ReportError, the full window aside) since the
  // last Count command began.
  int32_t errorsReported = 0;

  // Listing.
  bool suppressRelist = false;
  bool filterActive = false;
  bool filterWordFound = false;
  int previousDisplayFormat = 0;
  // A listing is running. The event pump lets option clicks through while it
  // runs; their relisting (and a chain rebuild) is held back until it ends.
  bool listingRunning = false;
  bool relistRequested = false;
  bool chainRebuildRequested = false;

  // Column widths.
  int rankWidth = 0;
  int freqWidth = 0;
  int phraseWidth = 0;
  int minColumnWidth = 8;

  // Filter words.
  Text filterWordsParsed;
  std::vector<Text> filterWordList;
  int filterWordCount = 0;
};

}  // namespace velt
