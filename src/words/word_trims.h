// The trims and drops applied to a run of word characters before it counts as a word.
#pragma once

#include "text/text.h"

namespace velt {

// For a run that a ";" stopped, given as the run followed by that ";": the run
// cut before its first "&" when the text from there (with the ";") is an
// entity, otherwise the run unchanged.
TextView TrimEntity(TextView runWithSemicolon);

// word without the characters that may not end a word ("'.,()+-") at its end.
TextView FinalTrim(TextView word);

// True for the fragments a contraction leaves when apostrophes are not word
// characters: "s", "t", and any word that, followed by a space, occurs in
// contractionStems (so "couldn", but also "n" and "ldn"). Case is ignored.
bool IsContractionFragment(TextView word);

}  // namespace velt
