// Naming why a path that is there cannot be read as a file.
#pragma once

#include <optional>

#include "platform/regular_file.h"
#include "text/text.h"

namespace velt {

// The reason as a message says it after the path: "is a folder, not a file.",
// "is not a regular file (a FIFO, socket or device).", "cannot be reached:
// too many levels of symbolic links." Nothing for a regular file and for a
// path that names nothing (those have messages of their own).
std::optional<Text> NotAFileReason(const FileStatus& status);

// The same for a path, examined without opening it.
std::optional<Text> NotAFileReason(TextView path);

}  // namespace velt
