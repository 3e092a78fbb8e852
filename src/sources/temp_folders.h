// The temporary folders that DOCX extraction works in: "VELT001" to "VELT999"
// inside the program's private folder (TempArea), mode 0700, removed when done.
#pragma once

#include <optional>
#include <string>

#include "sources/temp_area.h"

namespace velt {

class TempFolder {
 public:
  // Creates the first free "VELT" + three digits (001 to 999) in the area's
  // private folder, making that folder first when needed; nothing when no
  // private folder can be made, every name is taken or creation fails.
  static std::optional<TempFolder> Create(TempArea& area);

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

}  // namespace velt
