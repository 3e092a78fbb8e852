// Runs a program as a child process, feeding its standard input and capturing
// its standard output and standard error separately.
#pragma once

#include <string>
#include <vector>

namespace velt::e2e {

struct ChildResult {
  int exitCode = -1;  // -1 when the child did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `arguments` in the C locale (LC_ALL=C, other locale
// variables removed), with the "NAME=value" entries of `environment` added or
// replacing those of this process, and waits for it. A child still running
// after `timeoutSeconds` is killed and reported with exit code -1.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& input, const std::vector<std::string>& environment = {},
                     int timeoutSeconds = 60);

}  // namespace velt::e2e
