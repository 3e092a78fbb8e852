// New files made beside a file they are to replace, so that a write that fails
// or is cut short never leaves a partial file in its place. The state file, the
// settings files and the output file are written this way.
#pragma once

#include <string>

#include "platform/unique_fd.h"

namespace velt {

// The file a path names: a symbolic link is replaced by the file it points to,
// so that the link stays and its target receives the new content.
std::string FinalTarget(const std::string& path);

// Creates a new, empty file beside target, named ".<target's name>.<pid>.<n>.tmp",
// mode 0666 less the umask; its path goes to tempPath. An invalid descriptor,
// with errno telling why, when none can be made.
UniqueFd CreateTempBeside(const std::string& target, std::string& tempPath);

// Deletes the files of that naming beside target that writers of ended
// processes left (killed before their rename): only this user's regular files
// whose process no longer exists. What cannot be deleted stays.
void RemoveStaleTempsBeside(const std::string& target);

}  // namespace velt
