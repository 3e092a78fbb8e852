// Line clean-up before the word scanner cuts words: whitespace and dashes.
#pragma once

#include "text/text.h"

namespace velt {

// Removes backspaces, turns CR LF into one space and LF, form feed, CR and
// no-break space into spaces; tabs become spaces too unless keepTabs (a count
// keeps them, since a tab may end a phrase).
void NormaliseWhitespace(Text& line, bool keepTabs);

// Turns each "--" used as a dash into two spaces so that it separates the words
// on either side. Leaves hyphens alone at the first two positions and in the
// comment brackets "<!--" and "-->". The line keeps its length.
void SplitDoubleHyphens(Text& line);

}  // namespace velt
