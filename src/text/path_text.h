// Paths held as text: their parts, and their bytes for the file system.
#pragma once

#include <string>

#include "text/text.h"

namespace velt {

// The name part of a path: the text after its last "/".
TextView FileNamePart(TextView path);

// The text after the last "." of the name part, lower-cased ("" when none).
Text LowerExtension(TextView path);

// The path as the file system spells it: its bytes, also those of a name that
// is not valid UTF-8 (PathToNative).
std::string NativePath(TextView path);

}  // namespace velt
