// The files read in the current folder run (readPaths) and the number of the
// current one (currentFileNumber). A file gets its number when the first phrase of
// it is counted.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace velt {

class FilesRead {
 public:
  // Recreates the list and sets currentFileNumber to 0 (done by the folder source).
  void Reset();

  // The path of the file now being read.
  void SetCurrentFile(TextView path);

  // Before a phrase of a folder run is counted: when the current path differs
  // from the last entry of the list (exactly: paths are case-sensitive here),
  // the file becomes the next entry.
  void NoteCurrentFile();

  int32_t currentFileNumber() const { return currentFileNumber_; }
  // Paths by file number; entry 0 is unused and empty.
  const std::vector<Text>& readPaths() const { return readPaths_; }

 private:
  std::vector<Text> readPaths_{Text()};
  int32_t currentFileNumber_ = 0;
  Text currentFile_;
  // Set when the current path was changed since the last note; only then can
  // it differ from the last entry, so a note does not compare paths per phrase.
  bool currentFileChanged_ = true;
};

}  // namespace velt
