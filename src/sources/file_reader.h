// Reading one input file (the single-file source, and each file of a folder
// scan) and feeding its prepared lines to the word scanner.
#pragma once

#include "sources/input_checks.h"
#include "sources/source_hooks.h"

namespace velt {

// What became of a file DoItFromFile was asked to read.
enum class FileReadStatus {
  Read,                // read, or skipped without complaint
  InputRefused,        // the input name failed its check (see FileReadOutcome::input)
  LargeFileCancelled,  // the question about a large input file was cancelled
  NotText,             // not a text file (reported for the single-file source)
  ZeroLength,          // the file has no bytes
  CannotOpen,          // the file may not be read
  TextboxFull,         // the folder's file list no longer fits the text window
  DocxFailed,          // the DOCX body was refused (its messages shown)
  DocxTextNotWritten,  // the text file of a DOCX document could not be written
  RunError,            // a run-time error was reported (see FileReadOutcome::errorNumber)
};

struct FileReadOutcome {
  FileReadStatus status = FileReadStatus::Read;
  InputFileStatus input = InputFileStatus::Ok;  // for InputRefused
  int errorNumber = 0;                          // for RunError

  bool operator==(const FileReadOutcome&) const = default;
};

// A single file larger than this, counted without an output file, brings the
// question whether to name one first. The text window holds 20,000,000
// characters of report, which a file of up to about 60 MB practically never
// exceeds.
inline constexpr int64_t kLargeInputFileSize = 60'000'000;
inline constexpr int64_t kProgressSizeLimit = 10240;

// Reads one file: in a folder pass the walk's current file
// (SourceState::currentFile), otherwise the file named in the input-file box,
// which is then published as the current file while it is read. A run-time
// error met while reading is reported (as "DoItFromFile") before it is
// returned.
FileReadOutcome DoItFromFile(SourceContext& context);

}  // namespace velt
