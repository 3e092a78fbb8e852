// Markup modes: which comment and markup sections the word scanner skips in a
// text, chosen from the file extension.
#pragma once

#include <array>

#include "text/text.h"

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

}  // namespace velt
