// Core text type and conversions between bytes and 16-bit text.
#pragma once

#include <string>
#include <string_view>

namespace velt {

// All core text is held as 16-bit code units; positions in comments are 1-based
// where they describe user-visible rules, code indexes from 0.
using Text = std::u16string;
using TextView = std::u16string_view;

// The Windows-1252 character for a byte. Bytes 0x80-0x9F go through the 1252
// table; its five unassigned bytes (81, 8D, 8F, 90, 9D) and every other byte map
// to the code point of the same value.
char16_t Cp1252ToChar(unsigned char byte);

// The byte whose Windows-1252 character is c, or -1 when there is none.
int CharToCp1252(char16_t c);

// Each byte becomes one character through Cp1252ToChar.
Text DecodeCp1252(std::string_view bytes);

struct Utf8Validity {
  bool valid = true;       // every sequence is shortest-form UTF-8 of U+0000-U+10FFFF, no surrogate
  bool multiByte = false;  // at least one complete sequence of two to four bytes
};

// Checks bytes as UTF-8. With endMayBeCut (bytes are the start of something
// longer), a sequence cut by the end of bytes is valid when its bytes so far
// can still begin a valid sequence.
Utf8Validity CheckUtf8(std::string_view bytes, bool endMayBeCut);

// UTF-8 to 16-bit text. Bytes that are not part of a valid UTF-8 sequence are
// taken as Windows-1252 characters, so no byte is ever lost.
Text FromUtf8(std::string_view bytes);

// 16-bit text to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(TextView text);

// File-system paths as text, without loss: a path's bytes are read as UTF-8,
// and each byte that is not part of a valid UTF-8 sequence becomes a lone low
// surrogate U+DC80..U+DCFF (as other systems escape undecodable file names).
// PathToNative turns those back into exactly the bytes they came from, so a
// name that is not valid UTF-8 still names its file. Written as UTF-8 for
// display (ToUtf8), such a character shows as U+FFFD.
Text PathFromNative(std::string_view bytes);
std::string PathToNative(TextView path);

// Shorthand for ASCII literals in code that builds messages.
inline Text T(std::string_view ascii) {
  return Text(ascii.begin(), ascii.end());
}

}  // namespace velt
