// Numbers as the program writes them in sentences and report columns.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace velt {

// The locale's digit grouping and decimal separator.
struct NumberFormat {
  char16_t thousandsSeparator = u',';
  char16_t decimalSeparator = u'.';

  // The user's LC_NUMERIC locale; for the C or POSIX locale (or one without a
  // grouping character) "," groups and "." is the decimal point.
  static NumberFormat FromEnvironment();

  // 1234567 -> "1,234,567".
  Text Grouped(int64_t value) const;

  // value with exactly `decimals` decimals, rounded half away from zero on the
  // value's 15-significant-digit decimal form (so 0.125 gives "0.13" and 1.005
  // gives "1.01"), with or without digit grouping.
  Text Fixed(double value, int decimals, bool grouping = false) const;
};

// Plain decimal without grouping: 5 -> "5", -3 -> "-3".
Text Decimal(int64_t value);

// A number as the classic number-to-text conversion writes it: one leading space
// before a non-negative number (5 -> " 5", -3 -> "-3").
Text Str(int64_t value);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
int64_t RoundHalfEven(double value);

}  // namespace velt
