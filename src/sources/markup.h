// The skipping of an HTML head while a file is read.
#pragma once

#include <functional>

#include "text/markup_markers.h"
#include "text/text.h"

namespace velt {

// Hands over the next line of the open file; returns false at the end of the file.
using NextLineFn = std::function<bool(Text& line)>;

// Starting with line, reads on until a line contains "</HEAD>" (any case) and
// returns what follows it; an empty text when the file ends first. A line
// declaring "CHARSET=UTF-8" (also with the value in double quotes) on the way sets
// utf8.
Text SkipHtmlHead(Text line, const NextLineFn& nextLine, bool& utf8);

}  // namespace velt
