// Flags and values of the main window that a counting run sets and polls.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace velt {

struct RunState {
  bool startUpCompleted = false;  // before it, option and list handlers do nothing
  bool restoring = false;         // settings are being restored from a file
  bool stopRequested = false;     // a stop was requested (Count button acting as Stop)
  bool cancelRequested = false;
  bool readingWordsFile = false;  // a words-to-ignore list is being read
  bool listIncomplete = false;    // stopped, and the user chose to list what was found
  bool countAvailable = false;    // a complete count is available for listing
  bool countDone = false;
  bool excludingSubphrases = false;

  // Elapsed-time display (Timer2).
  bool timer2Enabled = false;
  bool elapsedTimeRunning = false;
  bool elapsedTimeShown = false;
  int32_t secondsElapsed = 0;

  // Ignore-words option clicked last, and the one the last count used (0 before
  // the first count).
  int ignoreModeCode = 0;
  int ignoreModeCodeCounted = 0;

  // The summary sentence of the last count.
  Text summarySentence;
};

}  // namespace velt
