#include "reports/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

}  // namespace

bool OutputFile::Open(const std::string& path) {
  fd_ = UniqueFd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd_.valid()) return Fail(errno);
  buffer_ = std::make_unique<char[]>(kBufferSize);
  used_ = 0;
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
  size_t done = 0;
  while (done < used_) {
    const ssize_t n = ::write(fd_.get(), &buffer_[done], used_ - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(errno);
    }
    done += static_cast<size_t>(n);
  }
  used_ = 0;
  return true;
}

bool OutputFile::Close() {
  if (!fd_.valid()) return !failed();
  const bool flushed = Flush();
  const int result = ::close(fd_.release());
  if (result != 0 && flushed) return Fail(errno);
  return flushed;
}

bool OutputFile::Fail(int errnoValue) {
  if (!failed()) error_ = ErrorFromErrno(errnoValue);
  used_ = 0;
  return false;
}

}  // namespace velt
