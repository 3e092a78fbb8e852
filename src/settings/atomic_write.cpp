#include "settings/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/regular_file.h"
#include "platform/temp_beside.h"
#include "platform/unique_fd.h"

namespace velt {
namespace {

// Writes, keeps the old file's permissions, flushes and closes the temporary file.
int FillTemp(UniqueFd fd, const std::string& target, std::string_view bytes) {
  if (const int err = WriteFully(fd.get(), bytes); err != 0) return err;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
    return errno;
  }
  if (::fsync(fd.get()) != 0) return errno;
  if (::close(fd.release()) != 0) return errno;
  return 0;
}

}  // namespace

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = FinalTarget(path);
  // A file the user may not write stays as it is, as it would when written in place.
  if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0 &&
      ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return errno;
  }
  RemoveStaleTempsBeside(target);
  std::string tempPath;
  UniqueFd fd = CreateTempBeside(target, tempPath);
  if (!fd.valid()) return errno != 0 ? errno : EEXIST;
  int err = FillTemp(std::move(fd), target, bytes);
  if (err == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) ::unlink(tempPath.c_str());
  return err;
}

}  // namespace velt
