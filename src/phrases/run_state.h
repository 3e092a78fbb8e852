// Flags and values of the main window that a counting run sets and polls.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace velt {

struct RunState {
  bool blnStartUpCompleted = false;  // before it, option and list handlers do nothing
  bool blnRestoring = false;         // settings are being restored from a file
  bool blnStop = false;              // a stop was requested (Count button acting as Stop)
  bool blnCancel = false;
  bool blnReadingWords = false;      // a words-to-ignore list is being read
  bool blnListIncomplete = false;    // stopped, and the user chose to list what was found
  bool blnWordsGot = false;          // a complete count is available for listing
  bool blnCountDone = false;
  bool blnExcludingSubphrases = false;

  // Elapsed-time display (Timer2).
  bool timer2Enabled = false;
  bool blnElapsedTimeRunning = false;
  bool blnElapsedTimeShown = false;
  int32_t lngSecondsElapsed = 0;

  // Ignore-words option clicked last, and the one the last count used (0 before
  // the first count).
  int intIgnoreWordsOption = 0;
  int intIgnoreWordsOptionCounted = 0;

  // The summary sentence of the last count.
  Text strHowManyPhrases;
};

}  // namespace velt
