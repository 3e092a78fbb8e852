#include "phrases/files_read.h"

namespace velt {

void FilesRead::Reset() {
  astrFilesRead_.assign(1, Text());
  lngFileNumber_ = 0;
  currentFileChanged_ = true;
}

void FilesRead::SetCurrentFile(TextView path) {
  currentFile_.assign(path);
  currentFileChanged_ = true;
}

void FilesRead::NoteCurrentFile() {
  if (!currentFileChanged_) return;
  currentFileChanged_ = false;
  if (currentFile_ == astrFilesRead_[lngFileNumber_]) return;
  ++lngFileNumber_;
  astrFilesRead_.resize(lngFileNumber_ + 1);
  astrFilesRead_[lngFileNumber_] = currentFile_;
}

}  // namespace velt
