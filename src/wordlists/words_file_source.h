// What reading a words-to-ignore file needs from the text sources: the
// text-file check with its messages, and reading the file line by line.
#pragma once

#include <memory>
#include <optional>

#include "text/run_error.h"
#include "text/text.h"

namespace velt {

// An open words file. Closing is destruction.
class WordsFileLines {
 public:
  virtual ~WordsFileLines() = default;
  // The next line without its line end (any of CR LF, LF, CR): the file
  // reader's ReadLfLine. False at the end of the file and after a read error,
  // which error() then describes.
  virtual bool ReadLfLine(Text& line) = 0;
  virtual std::optional<RunError> error() const = 0;
};

class WordsFileSource {
 public:
  virtual ~WordsFileSource() = default;
  // CheckTextFile in its quiet form without questions: classifies the file
  // with the strict threshold and shows the classifier's messages. True when
  // the file may be read as a words file; utf8 then tells whether it is UTF-8.
  virtual bool CheckTextFile(const Text& path, bool& utf8) = 0;
  // Opens path for reading; nothing (and error set) when that fails.
  virtual std::unique_ptr<WordsFileLines> OpenLines(const Text& path, RunError& error) = 0;
};

}  // namespace velt
