// The extra-words box of the Settings window: its parsing into the extra
// words to ignore and the check of its characters against the word rules.
#pragma once

#include "wordlists/word_list_context.h"

namespace velt {

// Parses the box of list index (only list 0 has one) into the extra words:
// trimmed, lower-cased outside angle brackets (the box text too unless case is
// significant), split at spaces, each piece stripped at both ends of the
// characters that may not begin or end a word, sorted. The box then shows the
// pieces joined by single spaces; the text is returned. Runs
// CheckAllowedExtraChars and SetWordsToIgnoreNotice. Called when the box is
// committed (it loses the focus, Enter, its Clear button).
Text GetExtraWords(WordListContext& context, int index);

// False (after a message) when a character of the extra-words box outside
// angle brackets is neither a space, a letter, a wildcard nor a character the
// current word rules allow. Always true before start-up has completed, while
// settings are restored and while all check boxes are being set.
bool CheckAllowedExtraChars(WordListContext& context);

}  // namespace velt
