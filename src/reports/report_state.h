// Main-window state of listings and of the two output sinks.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/text.h"

namespace velt {

struct ReportState {
  // Text window sink.
  Text strOutput;                      // pending text not yet in the window
  int32_t lngTextboxCapacity = 65000;  // set by Initialize
  int32_t lngTextboxLength = 0;
  int32_t lngPrevTextboxLength = 0;
  bool blnTextboxFull = false;

  // File sink.
  bool blnOutputFile = false;         // the current pass writes to the output file
  bool blnOutputFileWritten = false;  // the last listing reached the file

  // Listing.
  bool blnSuppressRelist = false;
  bool blnFilterActive = false;
  bool blnFilterWordFound = false;
  int intPrevDisplayFormat = 0;
  // A listing is running. The event pump lets option clicks through while it
  // runs; their relisting (and a chain rebuild) is held back until it ends.
  bool blnListing = false;
  bool blnRelistRequested = false;
  bool blnChainRebuildRequested = false;

  // Column widths.
  int intRankWidth = 0;
  int intFreqWidth = 0;
  int intPhraseWidth = 0;
  int intMinWidth = 8;

  // Filter words.
  Text strFilterWords;
  std::vector<Text> astrFilterWords;
  int intNumFilterWords = 0;
};

}  // namespace velt
