// Where the word scanner sends each word it cuts out of a line.
#pragma once

#include "text/text.h"

namespace velt {

// Which character ended the run of word characters of the last word (the
// character right after the run; all false at the end of the line).
struct StopFlags {
  bool semicolon = false;
  bool period = false;
  bool doubleQuote = false;
  bool tab = false;
  bool comma = false;
};

// Receives the words of the scanned text: phrase assembly during a count, the
// word table while a words-to-ignore list is read.
class WordSink {
 public:
  virtual ~WordSink() = default;
  // word is never empty; flags describe the character after the word's run.
  virtual void TakeWord(TextView word, const StopFlags& flags) = 0;
};

}  // namespace velt
