// Replacing a file's contents so that a failure never leaves a partial file in
// place of a good one.
#pragma once

#include <string>
#include <string_view>

namespace velt {

// Writes the bytes to a new file in the target's folder, flushes it to disk,
// checks every write and the close, then renames it over the target (a
// symbolic link is followed to the file it names). An existing file keeps its
// permissions, and one that may not be written is refused. Returns 0, or the errno of the first
// failure; the target is then untouched and the temporary file removed.
// Temporary files of the same target that earlier saves left behind (their
// process was killed before the rename) are deleted first: only this user's
// regular files of that naming whose process no longer exists.
int ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace velt
