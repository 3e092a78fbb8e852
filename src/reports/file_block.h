// The per-file block of display format 12: the phrase line, then its file
// lines arranged so that the file with the most occurrences comes first.
#pragma once

#include "text/text.h"

namespace velt {

// Keeps the block's non-blank lines; the first stays as it is. The others
// are indented (relative frequency: 2 spaces; counts: the count
// right-aligned) and sorted in descending character-code order, which, with
// right-aligned counts, is descending count. Lines are joined by CR LF with
// none after the last.
Text ArrangeFileBlock(TextView block, bool relativeFrequency);

}  // namespace velt
