// The report line emitter: every line of a listing goes through
// DisplayNextLine, which filters, formats and routes it to the output file or
// to the text-window buffer pendingOutput.
#pragma once

#include <cstdint>

#include "reports/listing_pass.h"

namespace velt {

// Fixes the column widths of the listing, then emits the header
// (DisplayNextLine with index 0).
void SetColumnWidths(ListingPass& pass);

// Index 0 emits the header, index n > 0 phrase n of the table.
void DisplayNextLine(ListingPass& pass, int32_t index);

// Format 9 in the file lists every phrase on one line; this ends that line.
void EndCommaList(ListingPass& pass);

}  // namespace velt
