#include "text/run_error.h"

#include <cerrno>
#include <cstring>

namespace velt {

RunError ErrorFromErrno(int err) {
  if (err == EACCES || err == EPERM) return {kErrorPermissionDenied, u"Permission denied"};
  if (err == ENOMEM) return OutOfMemoryError();
  if (err == ENODEV) return {err, u"Not a regular file"};
  return {err, FromUtf8(std::strerror(err))};
}

RunError OutOfMemoryError() {
  return {kErrorOutOfMemory, u"Out of memory"};
}

}  // namespace velt
