// Availability of the display formats and of the options that depend on them.
#pragma once

#include "reports/display_formats.h"
#include "reports/report_context.h"

namespace velt {

// Selects a display format as a user's choice would: the window's handler of
// the display format runs (through the hooks).
void SelectDisplayFormat(ReportContext& context, int format);

// Formats 10 to 12 need the folder source: for another source tells the user,
// selects format 0 without relisting and returns false.
bool CheckDisplayFormatAvailable(ReportContext& context);

// Enables "relative frequency" for the formats with a frequency column and
// "sort by number of files" for format 12 by frequency with a folder source;
// unchecks the latter when it ends up disabled, which runs its handler.
void EnableFormatOptions(ReportContext& context);

// The same, for a handler that relists right afterwards: the relist that
// unchecking "sort by number of files" would start on its own is left out, so
// that the report is listed once.
void EnableFormatOptionsWithoutRelist(ReportContext& context);

}  // namespace velt
