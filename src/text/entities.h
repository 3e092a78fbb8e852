// Character entities of markup text: recognising where one starts, and decoding
// the known ones.
#pragma once

#include <cstddef>

#include "text/text.h"

namespace velt {

// For text t that begins at an "&": 0 when no entity starts there, otherwise a
// positive number (1 for any numeric entity "&#...", with or without ";";
// otherwise the 1-based position of the ";" that ends a named entity). Looks at
// no more than the first 20 characters of t, so calling it at every "&" of a
// long line stays linear.
size_t IsEntityStart(TextView t);

// Replaces each entity of the entity table, and "&quot;", by its character. The
// candidate is the stretch from the last "&" before a ";" to that ";"; it is
// replaced only when it is a whole entity of the table (case-sensitive), so
// "& &nbsp;" becomes "&" and two spaces. Replacement output is never decoded again.
Text DecodeEntities(TextView line);

}  // namespace velt
