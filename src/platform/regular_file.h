// Opening files for reading without ever blocking: a FIFO or a device is
// refused before anything is read from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/unique_fd.h"

namespace velt {

struct OpenedFile {
  UniqueFd fd;
  int error = 0;     // errno of the failure; ENODEV for a file that is not regular
  int64_t size = 0;  // length in bytes when opened
};

// Opens path read-only. The open itself is non-blocking (a FIFO without a
// writer would otherwise hang), and anything but a regular file is refused.
OpenedFile OpenRegularFile(const std::string& path);

// Reads up to count bytes at the current position, retrying short reads;
// returns the bytes read (fewer only at the end of the file) or -1 with errno.
int64_t ReadFully(int fd, char* buffer, int64_t count);

// Writes all of bytes, retrying short and interrupted writes; returns 0, or the
// errno of the write that failed.
int WriteFully(int fd, std::string_view bytes);

// What a path names, following symbolic links, found without opening it.
enum class FileKind {
  Missing,      // nothing there (or a link to nothing)
  Regular,      // a regular file
  Folder,       // a folder
  Special,      // a FIFO, socket or device
  Unreachable,  // cannot be examined: a link loop, a path too long, no search permission...
};

struct FileStatus {
  FileKind kind = FileKind::Missing;
  int error = 0;     // errno when Unreachable
  int64_t size = 0;  // length in bytes of a regular file
};

FileStatus ExamineFile(const std::string& path);

// Size of the file at path (following symbolic links), or -1 when it does not
// exist or cannot be examined. Never opens the file.
int64_t FileSizeOf(const std::string& path);

}  // namespace velt
