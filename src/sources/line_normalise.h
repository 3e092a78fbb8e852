// Normalisation of a file line held one character per byte (Windows-1252): trim
// of control characters and the repairs of UTF-8 sequences read as single bytes.
#pragma once

#include "text/text.h"

namespace velt {

// line without the characters of code 32 or below at both ends.
TextView TrimControlChars(TextView line);

// Repairs two-byte UTF-8 sequences in one left-to-right pass: "Â" + byte x
// (160-191) becomes x, "Â" + byte 128-159 is deleted, "Ã" + byte x (128-191)
// becomes byte x + 64, and a pair of a character Windows-1252 has beyond
// Latin-1 becomes it (Œ œ Š š Ž ž Ÿ ƒ ˆ ˜); then every "Ä" + byte 141 becomes
// "c".
Text DecodeUtf8Latin(TextView line);

// Repairs every three-byte sequence "â" + byte 128 + byte t (UTF-8 punctuation
// U+2000-U+203F): dashes, quotes, bullet, ellipsis and angle quotes become
// ASCII stand-ins, † ‡ ‰ become themselves, a sequence with any other t (or
// cut short by the line end) is deleted. The sequences of € and ™ become those
// characters; other sequences led by "â" stay.
Text DecodeUtf8Punctuation(TextView line);

}  // namespace velt
