#include "phrases/files_read.h"

namespace velt {

void FilesRead::Reset() {
  readPaths_.assign(1, Text());
  currentFileNumber_ = 0;
  currentFileChanged_ = true;
}

void FilesRead::SetCurrentFile(TextView path) {
  currentFile_.assign(path);
  currentFileChanged_ = true;
}

void FilesRead::NoteCurrentFile() {
  if (!currentFileChanged_) return;
  currentFileChanged_ = false;
  if (currentFile_ == readPaths_[currentFileNumber_]) return;
  ++currentFileNumber_;
  readPaths_.resize(currentFileNumber_ + 1);
  readPaths_[currentFileNumber_] = currentFile_;
}

}  // namespace velt
