#include "reports/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/regular_file.h"
#include "platform/temp_beside.h"

namespace velt {
namespace {

// Lines are gathered into blocks of this size before one write() hands them
// to the system.
constexpr size_t kBufferSize = 64 * 1024;
// The longest UTF-8 sequence of one character.
constexpr size_t kMaxSequence = 4;

char32_t NextCodePoint(TextView text, size_t& i) {
  const char32_t c = text[i];
  if (c < 0xD800 || c > 0xDFFF) return c;
  const bool pair =
      c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
  if (!pair) return 0xFFFD;  // an unpaired surrogate
  return 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
}

// Writes c as UTF-8 at out; returns the bytes written.
size_t EncodeUtf8(char32_t c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

// A failure to create a file in a folder that only stops the new file, not a
// write into the existing one.
bool FolderRefusesNewFiles(int err) {
  return err == EACCES || err == EPERM || err == EDQUOT || err == ENOSPC;
}

}  // namespace

int CheckOutputFileWritable(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return EISDIR;
    if (!S_ISREG(info.st_mode)) return ENODEV;
    // Opened without truncating it: nothing of the old report is lost.
    const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    return fd.valid() ? 0 : errno;
  }
  if (errno != ENOENT) return errno;
  std::string tempPath;
  const UniqueFd fd = CreateTempBeside(FinalTarget(path), tempPath);
  if (!fd.valid()) return errno;
  ::unlink(tempPath.c_str());
  return 0;
}

OutputFile::~OutputFile() {
  Discard();
}

bool OutputFile::Open(const std::string& path) {
  target_ = FinalTarget(path);
  struct stat info {};
  if (::stat(target_.c_str(), &info) == 0) {
    replacesFile_ = true;
    if (S_ISDIR(info.st_mode)) return Fail(EISDIR);
    if (!S_ISREG(info.st_mode)) return Fail(ENODEV);
  } else if (errno != ENOENT) {
    return Fail(errno);
  }
  RemoveStaleTempsBeside(target_);
  if (!OpenBeside(target_)) return false;
  buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
  used_ = 0;
  return true;
}

bool OutputFile::OpenBeside(const std::string& target) {
  fd_ = CreateTempBeside(target, tempPath_);
  if (fd_.valid()) {
    struct stat old {};
    // The new file keeps the permissions of the one it replaces.
    if (replacesFile_ && ::stat(target.c_str(), &old) == 0)
      ::fchmod(fd_.get(), old.st_mode & 07777);
    return true;
  }
  const int err = errno;
  if (!replacesFile_ || !FolderRefusesNewFiles(err)) return Fail(err);
  // A writable file in a folder that takes no new file: written in place.
  fd_ = UniqueFd(::open(target.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd_.valid()) return Fail(errno);
  struct stat opened {};
  if (::fstat(fd_.get(), &opened) != 0) return Fail(errno);
  if (!S_ISREG(opened.st_mode)) return Fail(ENODEV);
  const int flags = ::fcntl(fd_.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd_.get(), F_SETFL, flags & ~O_NONBLOCK);
  return true;
}

bool OutputFile::Write(TextView text) {
  if (failed() || !fd_.valid()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (used_ + kMaxSequence > kBufferSize && !Flush()) return false;
    const char16_t c = text[i];
    if (c < 0x80) {
      buffer_[used_++] = static_cast<char>(c);
    } else {
      used_ += EncodeUtf8(NextCodePoint(text, i), &buffer_[used_]);
    }
  }
  return true;
}

bool OutputFile::Flush() {
  if (failed() || !fd_.valid()) return false;
  if (const int error = WriteFully(fd_.get(), std::string_view(buffer_.get(), used_)); error != 0) {
    return Fail(error);
  }
  used_ = 0;
  return true;
}

bool OutputFile::Commit() {
  if (!fd_.valid()) return false;
  const bool flushed = Flush();
  const int closed = ::close(fd_.release());
  if (closed != 0 && flushed) Fail(errno);
  if (failed()) {
    Discard();
    return false;
  }
  if (!tempPath_.empty() && ::rename(tempPath_.c_str(), target_.c_str()) != 0) {
    Fail(errno);
    Discard();
    return false;
  }
  tempPath_.clear();
  return true;
}

void OutputFile::Discard() {
  fd_.reset();
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
  tempPath_.clear();
}

bool OutputFile::Fail(int errnoValue) {
  if (!failed()) error_ = ErrorFromErrno(errnoValue);
  used_ = 0;
  return false;
}

}  // namespace velt
