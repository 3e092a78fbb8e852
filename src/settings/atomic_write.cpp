#include "settings/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/unique_fd.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

// The file a path names: a symbolic link is replaced by its target.
std::string FinalTarget(const std::string& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path target = fs::weakly_canonical(path, error);
  return error ? path : target.string();
}

// Creates a new, empty file beside target; its name is returned in tempPath.
UniqueFd CreateTempBeside(const std::string& target, std::string& tempPath, int& err) {
  const fs::path targetPath(target);
  const std::string stem =
      (targetPath.parent_path() / ("." + targetPath.filename().string())).string() + "." +
      std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = stem + "." + std::to_string(attempt) + ".tmp";
    UniqueFd fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (fd.valid()) return fd;
    err = errno;
    if (err != EEXIST) break;
  }
  tempPath.clear();
  return UniqueFd();
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

// Writes, keeps the old file's permissions, flushes and closes the temporary file.
int FillTemp(UniqueFd fd, const std::string& target, std::string_view bytes) {
  if (const int err = WriteAll(fd.get(), bytes); err != 0) return err;
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
  std::string tempPath;
  int err = 0;
  UniqueFd fd = CreateTempBeside(target, tempPath, err);
  if (!fd.valid()) return err != 0 ? err : EEXIST;
  err = FillTemp(std::move(fd), target, bytes);
  if (err == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) ::unlink(tempPath.c_str());
  return err;
}

}  // namespace velt
