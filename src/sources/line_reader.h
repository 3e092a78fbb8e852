// Line input from a file, read in large binary blocks. Each byte becomes one
// character (Windows-1252), as the rest of the reader expects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/unique_fd.h"
#include "text/text.h"

namespace velt {

class LineReader {
 public:
  // Bytes read from the file at a time.
  static constexpr size_t kBlockSize = size_t{1} << 20;
  // Longest piece of a line handed over at once. A longer line (a 200 MB file
  // without a line end) comes in pieces of at most this many characters, cut
  // after a space that precedes a visible character, so that no word, tag or
  // UTF-8 sequence is cut and memory stays bounded.
  static constexpr size_t kMaxPiece = size_t{1} << 20;

  // Opens the file; throws RunErrorException when it cannot be opened or is
  // not a regular file.
  explicit LineReader(const std::string& path);

  // Drops a UTF-8 byte-order mark at the start of the file.
  void SkipUtf8Bom();

  // The ordinary line input: lines end at CR or CR LF; a lone LF stays inside
  // the line. Returns false at the end of the file. complete is false for a
  // piece of a long line that goes on in the next call.
  bool ReadLine(Text& line, bool& complete);

  // Line input for LF-only (Unix-type) files: lines end at LF as well as at
  // CR or CR LF.
  bool ReadLfLine(Text& line, bool& complete);

  // Bytes taken from the file so far.
  int64_t BytesRead() const { return bytesRead_; }

 private:
  bool ReadNext(Text& line, bool& complete, bool lfEndsLine);
  // Refills the block; false at the end of the file. Throws on a read error.
  bool Fill();
  size_t FindLineEnd(bool lfEndsLine) const;
  // Hands over a piece of the carried-over text when it has grown too long.
  bool TakePiece(Text& line);

  UniqueFd fd_;
  std::unique_ptr<char[]> block_;  // kBlockSize bytes, left uninitialised
  size_t pos_ = 0;
  size_t end_ = 0;
  bool atEof_ = false;
  bool skipLf_ = false;  // the last line ended with CR: a following LF belongs to it
  std::string carried_;  // the start of a line that runs past the block
  int64_t bytesRead_ = 0;
};

// Decodes bytes one character per byte into line (its storage is reused).
void DecodeBytesInto(const char* bytes, size_t count, Text& line);

}  // namespace velt
