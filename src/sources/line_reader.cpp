#include "sources/line_reader.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"
#include "text/run_error.h"

namespace velt {
namespace {

const std::array<char16_t, 256>& DecodeTable() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (size_t b = 0; b < t.size(); ++b)
      t[b] = Cp1252ToChar(static_cast<unsigned char>(b));
    return t;
  }();
  return table;
}

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where to cut a long carried line: just after a space that is followed by a
// visible character, searched in the second half of the first kMaxPiece
// bytes; failing that at kMaxPiece, moved back off UTF-8 continuation bytes.
size_t PieceCut(const std::string& text, size_t limit) {
  for (size_t i = limit - 1; i >= limit / 2; --i) {
    if (text[i] == ' ' && static_cast<unsigned char>(text[i + 1]) > 32) return i + 1;
  }
  size_t cut = limit;
  for (int k = 0; k < 3 && cut > 1 && IsUtf8Continuation(text[cut]); ++k)
    --cut;
  return cut;
}

}  // namespace

void DecodeBytesInto(const char* bytes, size_t count, Text& line) {
  const std::array<char16_t, 256>& table = DecodeTable();
  line.resize(count);
  char16_t* out = line.data();
  for (size_t i = 0; i < count; ++i)
    out[i] = table[static_cast<unsigned char>(bytes[i])];
}

LineReader::LineReader(const std::string& path)
    : block_(std::make_unique_for_overwrite<char[]>(kBlockSize)) {
  OpenedFile opened = OpenRegularFile(path);
  if (!opened.fd.valid()) throw RunErrorException(ErrorFromErrno(opened.error));
  fd_ = std::move(opened.fd);
}

void LineReader::SkipUtf8Bom() {
  if (pos_ == end_ && !Fill()) return;
  if (end_ - pos_ >= 3 && std::memcmp(block_.get() + pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
}

bool LineReader::ReadLine(Text& line, bool& complete) {
  return ReadNext(line, complete, false);
}

bool LineReader::ReadLfLine(Text& line, bool& complete) {
  return ReadNext(line, complete, true);
}

bool LineReader::Fill() {
  if (atEof_) return false;
  const int64_t got = ReadFully(fd_.get(), block_.get(), static_cast<int64_t>(kBlockSize));
  if (got < 0) throw RunErrorException(ErrorFromErrno(errno));
  pos_ = 0;
  end_ = static_cast<size_t>(got);
  bytesRead_ += got;
  if (got == 0) atEof_ = true;
  return got > 0;
}

size_t LineReader::FindLineEnd(bool lfEndsLine) const {
  const char* const begin = block_.get() + pos_;
  const size_t count = end_ - pos_;
  if (!lfEndsLine) {
    const void* cr = std::memchr(begin, '\r', count);
    return cr == nullptr ? end_ : pos_ + static_cast<size_t>(static_cast<const char*>(cr) - begin);
  }
  for (size_t i = 0; i < count; ++i) {
    if (begin[i] == '\r' || begin[i] == '\n') return pos_ + i;
  }
  return end_;
}

bool LineReader::TakePiece(Text& line) {
  // Cut only once a byte beyond the limit is known, so that the cut can look
  // at the byte that follows it.
  if (carried_.size() <= kMaxPiece) return false;
  const size_t cut = PieceCut(carried_, kMaxPiece);
  DecodeBytesInto(carried_.data(), cut, line);
  carried_.erase(0, cut);
  return true;
}

bool LineReader::ReadNext(Text& line, bool& complete, bool lfEndsLine) {
  complete = false;
  if (TakePiece(line)) return true;
  while (true) {
    if (pos_ == end_ && !Fill()) {
      if (carried_.empty()) return false;
      if (TakePiece(line)) return true;
      DecodeBytesInto(carried_.data(), carried_.size(), line);
      carried_.clear();
      complete = true;
      return true;
    }
    if (skipLf_) {
      skipLf_ = false;
      if (block_[pos_] == '\n') ++pos_;
      continue;
    }
    const size_t lineEnd = FindLineEnd(lfEndsLine);
    const char* const start = block_.get() + pos_;
    if (lineEnd == end_) {
      carried_.append(start, end_ - pos_);
      pos_ = end_;
      if (TakePiece(line)) return true;
      continue;
    }
    skipLf_ = block_[lineEnd] == '\r';
    if (carried_.empty()) {
      DecodeBytesInto(start, lineEnd - pos_, line);
    } else {
      carried_.append(start, lineEnd - pos_);
      DecodeBytesInto(carried_.data(), carried_.size(), line);
      carried_.clear();
    }
    pos_ = lineEnd + 1;
    complete = true;
    return true;
  }
}

}  // namespace velt
