// Availability of the display formats and of the options that depend on them.
#pragma once

#include "engine/session.h"
#include "reports/listed_phrases.h"

namespace velt {

// Formats 10 to 12 need the folder source: for another source tells the user,
// selects format 0 without relisting and returns false.
bool CheckDisplayFormatAvailable(Session& session, ListedPhrases& phrases);

// Enables "relative frequency" for the formats with a frequency column and
// "sort by number of files" for format 12 by frequency with a folder source;
// unchecks the latter when it ends up disabled.
void EnableFormatOptions(Session& session, ListedPhrases& phrases);

// "Set display format to #10": checked, remembers the format and selects 10;
// unchecked, selects the remembered format again.
void OnFileListFormatClicked(Session& session, ListedPhrases& phrases);

}  // namespace velt
