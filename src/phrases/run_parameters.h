// The parameters of one count, read from the main window when the count starts
// and fixed until it ends.
#pragma once

#include "settings/settings.h"

namespace velt {

struct PhraseRunParameters {
  int minPhraseLength = 2;
  int maxPhraseLength = 6;
  int minimumFrequency = 2;  // minimum number of occurrences
  int appliedThreshold = 0;  // the minimum ApplyThreshold applied
  // The ignore-words option: exactly one is set (code 1 when none is chosen).
  bool allowPhrasesOfIgnoredWordsOnly = true;
  bool excludePhrasesOfIgnoredWordsOnly = false;
  bool removeIgnoredWords = false;
  bool excludePhrasesWithIgnoredWord = false;
  bool wordsToIgnoreInForce = false;
  // Phrase windows: maxPhraseLength, doubled in remove mode.
  int phraseSlotCount = 6;

  // Sets the four option booleans from an option code (1 to 4; anything else
  // counts as 1) and returns the code stored.
  int SetIgnoreWordsOption(IgnoreMode mode) {
    const int code = mode == IgnoreMode::None ? 1 : static_cast<int>(mode);
    allowPhrasesOfIgnoredWordsOnly = code == 1;
    excludePhrasesOfIgnoredWordsOnly = code == 2;
    removeIgnoredWords = code == 3;
    excludePhrasesWithIgnoredWord = code == 4;
    return code;
  }
};

}  // namespace velt
