#include "platform/zip_reader.h"

#include <fcntl.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/regular_file.h"
#include "platform/unique_fd.h"

namespace velt {
namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct MemberCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;
using MemberPtr = std::unique_ptr<zip_file_t, MemberCloser>;

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

ZipExtraction Failure(ZipStatus status, std::string message, int error = 0) {
  ZipExtraction result;
  result.status = status;
  result.message = std::move(message);
  result.error = error;
  return result;
}

// Opens the archive from a descriptor we checked ourselves, so that a FIFO
// named .docx can never block the reader.
ArchivePtr OpenArchive(const std::string& zipPath, ZipExtraction& failure) {
  OpenedFile opened = OpenRegularFile(zipPath);
  if (!opened.fd.valid()) {
    failure = Failure(ZipStatus::BadArchive, std::strerror(opened.error), opened.error);
    return nullptr;
  }
  int code = 0;
  ArchivePtr archive(zip_fdopen(opened.fd.get(), ZIP_RDONLY, &code));
  if (!archive) {
    failure = Failure(ZipStatus::BadArchive, ZipErrorText(code));
    return nullptr;
  }
  opened.fd.release();  // the archive owns the descriptor now
  return archive;
}

bool WriteAll(int fd, const char* data, int64_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(count));
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    count -= written;
  }
  return true;
}

}  // namespace

ZipExtraction LibzipReader::ExtractMember(const std::string& zipPath, const std::string& member,
                                          const std::string& destPath, int64_t maxBytes) {
  ZipExtraction result;
  const ArchivePtr archive = OpenArchive(zipPath, result);
  if (!archive) return result;

  const zip_int64_t index = zip_name_locate(archive.get(), member.c_str(), 0);
  if (index < 0) return Failure(ZipStatus::NoMember, "The archive has no member " + member);
  const MemberPtr file(zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0));
  if (!file) return Failure(ZipStatus::BadArchive, zip_strerror(archive.get()));

  const UniqueFd out(
      ::open(destPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!out.valid()) return Failure(ZipStatus::WriteError, std::strerror(errno), errno);

  // Inflate in blocks and stop at the limit: the sizes in the archive's
  // headers are never trusted, so a small archive cannot fill the disk.
  std::vector<char> buffer(1 << 16);
  while (true) {
    const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
    if (got < 0) {
      zip_error_t* error = zip_file_get_error(file.get());
      const ZipStatus status =
          zip_error_code_zip(error) == ZIP_ER_CRC ? ZipStatus::CrcError : ZipStatus::BadArchive;
      ZipExtraction failure = Failure(status, zip_error_strerror(error));
      failure.bytesWritten = result.bytesWritten;
      return failure;
    }
    if (got == 0) return result;
    const int64_t room = maxBytes - result.bytesWritten;
    const int64_t keep = std::min<int64_t>(got, room);
    if (!WriteAll(out.get(), buffer.data(), keep)) {
      const int err = errno;
      ZipExtraction failure = Failure(ZipStatus::WriteError, std::strerror(err), err);
      failure.bytesWritten = result.bytesWritten;
      return failure;
    }
    result.bytesWritten += keep;
    if (keep < got) {
      result.status = ZipStatus::TooLarge;
      result.message = "The member inflates to more than the limit";
      return result;
    }
  }
}

}  // namespace velt
