#include "settings/record_lines.h"

#include <algorithm>
#include <cstring>

namespace velt {
namespace {

constexpr size_t kBufferBytes = 64 * 1024;

}  // namespace

ByteRead MemoryByteSource::Read(char* buffer, size_t size) {
  const size_t n = std::min({size, chunk_, bytes_.size()});
  std::memcpy(buffer, bytes_.data(), n);
  bytes_.remove_prefix(n);
  return {n, 0};
}

RecordLineReader::RecordLineReader(ByteSource& source, size_t maxLineBytes)
    : source_(source), maxLineBytes_(maxLineBytes), buffer_(kBufferBytes) {}

bool RecordLineReader::Fill() {
  if (pos_ < end_) return true;
  if (atEnd_ || error_ != 0) return false;
  const ByteRead read = source_.Read(buffer_.data(), buffer_.size());
  pos_ = 0;
  end_ = read.count;
  if (read.error != 0) {
    error_ = read.error;
    end_ = 0;
    return false;
  }
  if (read.count == 0) atEnd_ = true;
  return read.count > 0;
}

LineStatus RecordLineReader::Next(std::string& line) {
  line.clear();
  bool started = false;
  bool tooLong = false;
  while (Fill()) {
    if (skipLf_) {
      skipLf_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    started = true;
    const char* const from = buffer_.data() + pos_;
    const char* const to = buffer_.data() + end_;
    const char* const stop = std::find_if(from, to, [](char c) { return c == '\r' || c == '\n'; });
    const size_t length = static_cast<size_t>(stop - from);
    if (!tooLong && line.size() + length <= maxLineBytes_) {
      line.append(from, length);
    } else if (!tooLong) {
      tooLong = true;
      line.clear();
    }
    pos_ += length;
    if (stop != to) {
      skipLf_ = *stop == '\r';
      ++pos_;
      return tooLong ? LineStatus::TooLong : LineStatus::Line;
    }
  }
  if (error_ != 0) return LineStatus::Error;
  if (!started) return LineStatus::End;
  return tooLong ? LineStatus::TooLong : LineStatus::Line;
}

}  // namespace velt
