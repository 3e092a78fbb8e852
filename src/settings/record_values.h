// The value of one record line of a state or settings file, and the number
// conversions applied to it.
#pragma once

#include <optional>
#include <string_view>

namespace velt {

// A value that starts (after spaces) with a double quote runs to the last
// double quote of the line, without both quotes; with no second quote, to the
// end of the line. Because texts are written without escaping, taking the last
// quote reads back every text that holds quotes of its own. Any other value
// runs to the first comma or the end of the line, surrounding spaces removed.
std::string_view RecordValue(std::string_view line);

// Numeric-prefix parsing: leading spaces skipped, the longest leading decimal
// number (sign, digits, optional fraction) taken, 0 when there is none.
double LeadingNumber(std::string_view value);

// The number rounded to the nearest integer, halves to even, when that lies in
// the 16-bit range.
std::optional<int> RoundToInt16(double number);

}  // namespace velt
