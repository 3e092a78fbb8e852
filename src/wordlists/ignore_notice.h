// The main window's notice about words to ignore.
#pragma once

#include "platform/view.h"
#include "wordlists/word_list_state.h"

namespace velt {

// Recomputes wordsToIgnoreInForce (words of the loaded file or extra
// words), shows the matching notice and enables the four ignore-mode options
// exactly when there are words to ignore.
void SetWordsToIgnoreNotice(WordListState& lists, WindowModel& window);

}  // namespace velt
