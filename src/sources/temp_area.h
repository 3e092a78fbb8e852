// The private folder of one running program, in which the DOCX temporary
// folders ("VELT001" ...) are made: "velt-XXXXXX" in the temporary directory,
// mode 0700, made on first need and removed with everything in it, whatever
// way the program ends. A lock file inside it stays locked for the folder's
// life, so that a later program can tell the folder of a killed program (the
// lock is free) from one still in use, and remove only the former.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/unique_fd.h"

namespace velt {

// $TMPDIR when set and not empty, else /tmp.
std::string TempDirectory();

class TempArea {
 public:
  // tempDir: where the private folder is made; empty for TempDirectory() at
  // the time it is made.
  explicit TempArea(std::string tempDir = {}) : tempDir_(std::move(tempDir)) {}
  ~TempArea();

  // A copy is an area of its own in the same temporary directory: it never
  // shares (or removes) the original's folder. Assigning removes the folder
  // this area had.
  TempArea(const TempArea& other) : tempDir_(other.tempDir_) {}
  TempArea& operator=(const TempArea& other);

  // The private folder's path, making it on first need; before that, the
  // folders left behind by killed programs of this user are removed. Nothing
  // when the folder cannot be made.
  std::optional<std::string> Folder();

  // The private folder's path while it exists, else "".
  const std::string& path() const { return path_; }

  // Deletes the private folder with everything in it (RemoveOldTempFolders);
  // the next need makes a new one. True when nothing is left.
  bool Remove();

 private:
  bool StillExists() const;

  std::string tempDir_;
  std::string path_;
  std::string name_;  // "velt-XXXXXX"
  UniqueFd parent_;   // the temporary directory
  UniqueFd folder_;   // the private folder
  UniqueFd lock_;     // its lock file, locked while the folder lives
};

// Deletes the private folders ("velt-XXXXXX") in the open temporary directory
// parentFd that belong to this user and whose program has ended without
// removing them: their lock is free, or they have had no lock file for more
// than a minute and hold nothing but a lock file being made (the program
// ended while making or removing the folder).
// Links, files, folders of other users, folders whose lock is held and
// folders that a program is making right now are left alone.
void RemoveAbandonedTempAreas(int parentFd);

}  // namespace velt
