// The private temporary folders that DOCX extraction works in: "VELT001" to
// "VELT999" in the temporary directory, mode 0700, removed when done.
#pragma once

#include <optional>
#include <string>

namespace velt {

// $TMPDIR when set and not empty, else /tmp.
std::string TempDirectory();

class TempFolder {
 public:
  // Creates the first free "VELT" + three digits (001 to 999) in tempDir;
  // nothing when every name is taken or creation fails.
  static std::optional<TempFolder> Create(const std::string& tempDir = TempDirectory());

  ~TempFolder() { Remove(); }
  TempFolder(TempFolder&& other) noexcept;
  TempFolder& operator=(TempFolder&& other) noexcept;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, without a final "/".
  const std::string& path() const { return path_; }

  // Deletes the folder with its contents (RemoveTempFolder); true when it is
  // gone.
  bool Remove();

 private:
  explicit TempFolder(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

// Deletes every left-over "VELT001" to "VELT999" folder in tempDir that the
// current user owns (and nothing else: files, links and other users' folders
// of those names stay).
void RemoveOldTempFolders(const std::string& tempDir = TempDirectory());

}  // namespace velt
