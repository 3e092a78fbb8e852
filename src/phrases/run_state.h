// Flags and values of the main window that a counting run sets and polls.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace velt {

// What a click on the Count button does: start a count, or (while one runs)
// stop it. The Stop button has two captions: the second once many phrases
// have been found.
enum class CountButton { Count, Stop, StopManyPhrases };

struct RunState {
  bool startUpCompleted = false;  // before it, option and list handlers do nothing
  bool restoring = false;         // settings are being restored from a file
  bool stopRequested = false;     // a stop was requested (Count button acting as Stop)
  CountButton countButton = CountButton::Count;  // set with its caption (ShowCountButton)
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

  // True while the Count button is a Stop button: a click on it is then a
  // stop request.
  bool counting() const { return countButton != CountButton::Count; }
};

}  // namespace velt
