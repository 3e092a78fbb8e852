// Comparisons of file-system paths. Paths on this system are case-sensitive:
// they are compared exactly, after being made absolute and lexically
// normalised, and also through the file system when both exist (so links and
// "." or ".." spellings of one file compare equal).
#pragma once

#include <string>

namespace velt {

// True when both name the same file.
bool SamePath(const std::string& a, const std::string& b);

// True when path is folder itself or lies anywhere below it.
bool IsWithinFolder(const std::string& folder, const std::string& path);

// True when the folder that holds path is folder itself.
bool IsDirectlyInFolder(const std::string& folder, const std::string& path);

}  // namespace velt
