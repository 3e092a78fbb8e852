// Redundant subphrase removal: a phrase found exactly as often as a longer
// included phrase containing it adds nothing to the listing and loses its
// included flag.
#pragma once

#include "phrases/phrase_table.h"
#include "platform/event_pump.h"

namespace velt {

// Clears the included flag of every included record whose phrase occurs as a
// character sequence (no word boundaries needed) in a longer included phrase
// with the same count. Yields after each included record and returns false at
// once when stopRequested is set, leaving the exclusions made so far.
//
// One exclusion never changes another: a container that is excluded lies in a
// longer container of the same count, which then contains the phrase too. So
// the result is the same whatever the order of the pass.
bool ExcludeRedundantSubphrases(PhraseTable& table, const bool& stopRequested, EventPump& pump);

}  // namespace velt
