// Where the program's data files (velt.dat, cwds_*.txt) are found.
#pragma once

#include <string>

namespace velt {

// The folder of the running executable ("" when it cannot be determined).
std::string ExecutableDir();

// The data folder: the executable's folder when it holds velt.dat, otherwise
// <executable folder>/../share/velt.
std::string FindDataDir(const std::string& executableDir);

}  // namespace velt
