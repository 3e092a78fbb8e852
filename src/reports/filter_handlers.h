// The filter-words controls of the main window.
#pragma once

#include "engine/session.h"
#include "reports/listed_phrases.h"

namespace velt {

// Normalises the box: trimmed and lower-cased into filterWordsParsed, parsed into
// the filter words, and the box rewritten as the words joined by single
// spaces.
void OnFilterWordsLeft(Session& session);

// Enter commits the box and lists with filtering; returns true when the key
// was consumed. Any other key enables the "Clear" button.
bool FilterWordsKeyPress(Session& session, ListedPhrases& phrases, char16_t key);

// Lists the last complete count restricted to the filter words.
void OnFilterClicked(Session& session, ListedPhrases& phrases);

// Empties the box and puts the focus in it.
void OnClearFilterClicked(Session& session);

// Filtering relists the last count, so it is offered only while the selected
// treatment of words to ignore is the one that count used. Called after every
// click on one of the four ignore-mode options.
void EnableFilterResults(Session& session);

}  // namespace velt
