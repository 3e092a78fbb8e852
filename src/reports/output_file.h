// The output file writer: UTF-8 without BOM, written through a buffer, with
// every failure of open, write and close caught and kept as the program's
// error number and description.
//
// The report never empties the file it replaces before it is complete: it is
// written to a new file in the same folder, which takes the output file's
// place only when Commit() is called (the listing reached its end). A report
// that is stopped or fails leaves the old file as it was.
#pragma once

#include <memory>
#include <string>

#include "platform/unique_fd.h"
#include "text/run_error.h"
#include "text/text.h"

namespace velt {

// Whether a report can be written to path, without changing anything there:
// an existing file must be a regular file that may be written; a new file
// needs a folder that exists and takes new files. 0 when it can, else the
// errno of the reason (ENODEV for something that is not a regular file).
int CheckOutputFileWritable(const std::string& path);

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // A file not committed is discarded; the output file stays as it was.
  ~OutputFile();

  // Starts a new report for path: refuses anything but a regular file (never
  // blocking on a FIFO) and creates the new file beside it. When the folder
  // takes no new file but the output file itself may be written, the report
  // is written into it directly (emptying it first, as nothing else can).
  bool Open(const std::string& path);

  // Appends text. After the first failure every call returns false and writes
  // nothing more.
  bool Write(TextView text);

  // Hands the buffered text to the system.
  bool Flush();

  // Flushes, closes and puts the new file in the output file's place; false
  // when any of that failed (now or earlier), the old file then unchanged.
  bool Commit();

  // Drops the new file: the output file stays as it was.
  void Discard();

  bool failed() const { return error_.number != 0; }
  const RunError& error() const { return error_; }
  // Something existed under the output path when the report was started (what
  // a failure leaves as it was).
  bool replacesFile() const { return replacesFile_; }

 private:
  bool Fail(int errnoValue);
  bool OpenBeside(const std::string& target);

  UniqueFd fd_;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  RunError error_;
  std::string target_;    // the file the report is for (a link followed)
  std::string tempPath_;  // the new file; empty when writing in place
  bool replacesFile_ = false;
};

}  // namespace velt
