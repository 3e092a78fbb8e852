// Run-time errors as the program reports them: a number and a description.
// Permission and memory failures carry the numbers the rest of the program
// branches on; every other failure carries its errno and strerror's text.
#pragma once

#include <exception>
#include <utility>

#include "text/text.h"

namespace velt {

inline constexpr int kErrorOutOfMemory = 7;
inline constexpr int kErrorPermissionDenied = 70;

struct RunError {
  int number = 0;
  Text description;
};

// EACCES and EPERM give 70, ENOMEM gives 7, ENODEV (what opening a device,
// pipe or socket as a file reports here) says so; any other errno is its own
// number with strerror's text.
RunError ErrorFromErrno(int err);

RunError OutOfMemoryError();

// Carries a RunError from deep inside a reading step to the step's handler.
class RunErrorException : public std::exception {
 public:
  explicit RunErrorException(RunError error) : error_(std::move(error)) {}
  const RunError& error() const { return error_; }
  const char* what() const noexcept override { return "run-time error"; }

 private:
  RunError error_;
};

}  // namespace velt
