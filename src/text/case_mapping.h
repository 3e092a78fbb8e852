// Length-preserving case mapping of 16-bit text.
#pragma once

#include "text/text.h"

namespace velt {

// Unicode simple lower-/upper-case mapping of one code unit (surrogates and
// units without a one-unit mapping stay unchanged).
char16_t LowerChar(char16_t c);
char16_t UpperChar(char16_t c);

// The program's one lower-casing of text: every unit through LowerChar. It maps
// the accented capitals of the Latin-1 range (and Š, Ÿ, Œ, Ž) as well, so it is
// both the standard lower-casing and the lower-casing with the extra pairs.
inline Text LowerCaseText(TextView text) {
  Text out(text);
  for (char16_t& c : out)
    c = LowerChar(c);
  return out;
}

inline Text UpperCaseText(TextView text) {
  Text out(text);
  for (char16_t& c : out)
    c = UpperChar(c);
  return out;
}

}  // namespace velt
