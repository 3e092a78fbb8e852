// Markup modes: which comment and markup sections the word scanner skips in a
// text, chosen from the file extension, and the skipping of an HTML head.
#pragma once

#include <array>
#include <functional>

#include "platform/text.h"

namespace velt {

enum class MarkupMode { Html, Php, Xml, C, None };

inline constexpr int kMaxCommentMarkers = 10;

// Start and end markers of the sections to skip; the first markerPairCount
// pairs are in force. An empty end marker closes the section at the end of the line.
struct MarkerTable {
  std::array<Text, kMaxCommentMarkers> commentStarts;
  std::array<Text, kMaxCommentMarkers> commentEnds;
  int markerPairCount = 0;

  // XML mode opens its table with "<?xml"; its CDATA sections are read as text.
  bool IsXmlMode() const { return commentStarts[0] == u"<?xml"; }
};

// Fills the table with the pairs of mode (all other entries emptied).
void SetCommentMarkers(MarkupMode mode, MarkerTable& table);

// The mode of a lower-cased file extension: "php", "xml", anything containing
// "htm", "cpp" or "c"; everything else is None.
MarkupMode MarkupModeForExtension(TextView lowerExtension);

// Installs the mode of the extension and tells whether entities may occur (true
// for the HTML, PHP and XML modes only).
void SetMarkupMode(TextView lowerExtension, MarkerTable& table, bool& entitiesPossible);

// Hands over the next line of the open file; returns false at the end of the file.
using NextLineFn = std::function<bool(Text& line)>;

// Starting with line, reads on until a line contains "</HEAD>" (any case) and
// returns what follows it; an empty text when the file ends first. A line
// declaring "CHARSET=UTF-8" (also with the value in double quotes) on the way sets
// utf8.
Text SkipHtmlHead(Text line, const NextLineFn& nextLine, bool& utf8);

}  // namespace velt
