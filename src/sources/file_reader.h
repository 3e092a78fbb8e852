// Reading one input file (the single-file source, and each file of a folder
// scan) and feeding its prepared lines to the word scanner.
#pragma once

#include "sources/source_hooks.h"

namespace velt {

// Results of DoItFromFile besides the input-name codes 1 to 4 and run-time
// error numbers.
namespace file_result {
inline constexpr int kRead = 0;
inline constexpr int kLargeFileCancelled = 5;
inline constexpr int kNotText = 6;
inline constexpr int kZeroLength = 10;
inline constexpr int kCannotOpen = 11;
inline constexpr int kTextboxFull = 12;
inline constexpr int kDocxFailed = 13;
inline constexpr int kDocxTextNotWritten = 14;
}  // namespace file_result

// A single file larger than this, counted without an output file, brings the
// question whether to name one first. The text window holds 20,000,000
// characters of report, which a file of up to about 60 MB practically never
// exceeds.
inline constexpr int64_t kLargeInputFileSize = 60'000'000;
inline constexpr int64_t kProgressSizeLimit = 10240;

// Reads one file: in a folder pass the walk's current file
// (SourceState::currentFile), otherwise the file named in the input-file box,
// which is then published as the current file while it is read. Returns 0
// when the file was read or skipped without complaint, otherwise a result code
// of file_result or input_file, or the number of a run-time error (reported as
// "DoItFromFile").
int DoItFromFile(SourceContext& context);

}  // namespace velt
