// The parameters of one count, read from the main window when the count starts
// and fixed until it ends.
#pragma once

#include "settings/settings.h"

namespace velt {

struct PhraseRunParameters {
  int intMinNumWordsInPhrase = 2;
  int intMaxNumWordsInPhrase = 6;
  int intMFPThresholdFrequency = 2;  // minimum number of occurrences
  int intThresholdFrequency = 0;     // the minimum ApplyThreshold applied
  // The ignore-words option: exactly one is set (code 1 when none is chosen).
  bool blnAllowPhrasesConsistingOnlyOfWordsToIgnore = true;
  bool blnExcludePhrasesConsistingOnlyOfWordsToIgnore = false;
  bool blnStripPhrases = false;
  bool blnExcludePhrasesContainingAWordToIgnore = false;
  bool blnThereAreWordsToIgnore = false;
  // Phrase windows: intMaxNumWordsInPhrase, doubled in remove mode.
  int intNumPhraseSlots = 6;

  // Sets the four option booleans from an option code (1 to 4; anything else
  // counts as 1) and returns the code stored.
  int SetIgnoreWordsOption(IgnoreMode mode) {
    const int code = mode == IgnoreMode::None ? 1 : static_cast<int>(mode);
    blnAllowPhrasesConsistingOnlyOfWordsToIgnore = code == 1;
    blnExcludePhrasesConsistingOnlyOfWordsToIgnore = code == 2;
    blnStripPhrases = code == 3;
    blnExcludePhrasesContainingAWordToIgnore = code == 4;
    return code;
  }
};

}  // namespace velt
