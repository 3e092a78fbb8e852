// The state the word scanner shares with the text sources that feed it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/markup_markers.h"
#include "text/text.h"

namespace velt {

struct ScannerState {
  // The line being scanned; its caller always appends one space.
  Text currentLine;
  // Current scan position (0-based index into currentLine).
  size_t linePosition = 0;
  // True while a words-to-ignore list is read, false during a count.
  bool readingWordsFile = false;
  // The current text may hold character entities (set with the markup mode).
  bool entitiesPossible = false;
  // Comment and markup sections are skipped in the current line.
  bool commentsPossible = false;
  // The sections of the current text; chosen per file or list.
  MarkerTable markers;
  // -1 outside a section, else the index of the start marker of the open
  // section. Survives from line to line so a section may span lines.
  int commentState = -1;
  // What ended the run of the last word.
  bool stoppedAtPeriod = false;
  bool stoppedAtDoubleQuote = false;
  bool stoppedAtTab = false;
  bool stoppedAtComma = false;
  // Words met during the count (every non-empty word); reset at each run.
  int32_t totalOccurrences = 0;
};

}  // namespace velt
