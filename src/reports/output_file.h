// The output file writer: UTF-8 without BOM, written through a buffer, with
// every failure of open, write and close caught and kept as the program's
// error number and description.
#pragma once

#include <memory>
#include <string>

#include "platform/run_error.h"
#include "platform/text.h"
#include "platform/unique_fd.h"

namespace velt {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile() = default;  // a file still open is closed; errors are then ignored

  // Creates the file or empties it.
  bool Open(const std::string& path);

  // Appends text. After the first failure every call returns false and writes
  // nothing more.
  bool Write(TextView text);

  // Hands the buffered text to the system.
  bool Flush();

  // Flushes and closes; false when either failed (now or earlier).
  bool Close();

  bool failed() const { return error_.number != 0; }
  const RunError& error() const { return error_; }

 private:
  bool Fail(int errnoValue);

  UniqueFd fd_;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  RunError error_;
};

}  // namespace velt
