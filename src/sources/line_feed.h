// The line loop of the file reader: each line of a file is read, normalised
// and handed to the word scanner.
#pragma once

#include <cstdint>
#include <string>

#include "sources/file_classifier.h"
#include "sources/source_hooks.h"

namespace velt {

struct LineFeedOptions {
  LineType lineType = LineType::CrLf;  // LfOnly: lines are read with ReadLfLine
  bool htmlHeadPossible = false;       // the extension contains "htm"
  int64_t progressFileSize = 0;        // > 0: advance the per-file progress bar
};

// Reads the file at path (a UTF-8 byte-order mark at its start is dropped)
// until its end or a stop request. utf8 may be set on the way by an HTML head
// that declares UTF-8. Throws RunErrorException when reading fails.
void FeedFileLines(SourceContext& context, const std::string& path, const LineFeedOptions& options,
                   bool& utf8);

// One line (or piece of a long line) as the scanner gets it: control
// characters trimmed at the ends of the whole line, the UTF-8 repairs when
// utf8, lower-cased unless case is significant. Empty when there is nothing
// left to scan.
Text PrepareLine(TextView raw, bool atLineStart, bool atLineEnd, bool utf8, bool caseSignificant);

}  // namespace velt
