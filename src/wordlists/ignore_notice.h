// The main window's notice about words to ignore.
#pragma once

#include "engine/session.h"

namespace velt {

// Recomputes wordsToIgnoreInForce (words of the loaded file or extra
// words), shows the matching notice and enables the four ignore-mode options
// exactly when there are words to ignore.
void SetWordsToIgnoreNotice(Session& session);

}  // namespace velt
