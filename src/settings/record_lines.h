// Splits the bytes of a state or settings file into lines, one record a line.
// A line ends at CR LF, LF or a lone CR. Lines are bounded: a longer line is
// consumed to its end but reported as too long, so a huge or binary file costs
// time linear in its size and memory no more than the bound.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velt {

struct ByteRead {
  size_t count = 0;  // bytes placed in the buffer; 0 at the end
  int error = 0;     // errno of a failed read, 0 otherwise
};

// Where the bytes come from: a file, or memory in tests.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual ByteRead Read(char* buffer, size_t size) = 0;
};

// Bytes held in memory, handed out at most `chunk` at a time.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes, size_t chunk = static_cast<size_t>(-1))
      : bytes_(bytes), chunk_(chunk) {}
  ByteRead Read(char* buffer, size_t size) override;

 private:
  std::string_view bytes_;
  size_t chunk_;
};

enum class LineStatus { Line, End, TooLong, Error };

class RecordLineReader {
 public:
  RecordLineReader(ByteSource& source, size_t maxLineBytes);

  // The next line without its end. After TooLong the reader stands at the start
  // of the following line; after End or Error it stays there.
  LineStatus Next(std::string& line);

  int error() const { return error_; }

 private:
  bool Fill();

  ByteSource& source_;
  const size_t maxLineBytes_;
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool atEnd_ = false;
  bool skipLf_ = false;  // the last line ended with CR: a LF next belongs to it
  int error_ = 0;
};

}  // namespace velt
