// The one error reporter of runs and listings.
#pragma once

#include <cstdint>

#include "reports/report_context.h"

namespace velt {

// The error number of a text window that overflowed during a listing.
inline constexpr int32_t kTextWindowFull = -7;

// Stops the elapsed-time display and shows the error: for kTextWindowFull the
// text-window-full notice (which also cuts the window back and sets
// textWindowFull); otherwise "At <label> error #<number>." and the
// description.
void ReportError(ReportContext& context, int32_t number, TextView description, TextView label);

}  // namespace velt
