// Small text helpers of the text sources: trimming and the parts of a path.
#pragma once

#include <string>

#include "platform/text.h"

namespace velt {

inline constexpr TextView kCrLf = u"\r\n";

// Removes spaces (only spaces) from both ends.
Text TrimSpaces(TextView text);

// The name part of a path: the text after its last "/".
TextView FileNamePart(TextView path);

// The text after the last "." of the name part, lower-cased ("" when none).
Text LowerExtension(TextView path);

// The path as the file system spells it: its bytes, also those of a name that
// is not valid UTF-8 (PathToNative).
std::string NativePath(TextView path);

// True when text ends with suffix.
bool EndsWith(TextView text, TextView suffix);

}  // namespace velt
