#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velt {

OpenedFile OpenRegularFile(const std::string& path) {
  OpenedFile opened;
  opened.fd = UniqueFd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!opened.fd.valid()) {
    opened.error = errno;
    return opened;
  }
  struct stat info {};
  if (::fstat(opened.fd.get(), &info) != 0) {
    opened.error = errno;
    opened.fd.reset();
    return opened;
  }
  if (S_ISDIR(info.st_mode)) {
    opened.error = EISDIR;
    opened.fd.reset();
    return opened;
  }
  if (!S_ISREG(info.st_mode)) {
    opened.error = ENODEV;
    opened.fd.reset();
    return opened;
  }
  // Regular files never block; clear the flag so reads behave as usual.
  const int flags = ::fcntl(opened.fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(opened.fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  opened.size = static_cast<int64_t>(info.st_size);
  return opened;
}

int64_t ReadFully(int fd, char* buffer, int64_t count) {
  int64_t total = 0;
  while (total < count) {
    const ssize_t got = ::read(fd, buffer + total, static_cast<size_t>(count - total));
    if (got < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (got == 0) break;
    total += got;
  }
  return total;
}

FileStatus ExamineFile(const std::string& path) {
  FileStatus status;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno != ENOENT && errno != ENOTDIR) {
      status.kind = FileKind::Unreachable;
      status.error = errno;
    }
    return status;
  }
  if (S_ISREG(info.st_mode)) {
    status.kind = FileKind::Regular;
    status.size = static_cast<int64_t>(info.st_size);
  } else {
    status.kind = S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Special;
  }
  return status;
}

int WriteFully(int fd, std::string_view bytes) {
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

int64_t FileSizeOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

}  // namespace velt
