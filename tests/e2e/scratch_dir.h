// A private temporary folder for one test, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

namespace velt::e2e {

class ScratchDir {
 public:
  // Creates a folder from a mkdtemp template ending in "XXXXXX"; by default a
  // "velt-e2e-XXXXXX" folder in the system's temporary directory.
  ScratchDir();
  explicit ScratchDir(const std::string& pathTemplate);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of `relative` inside the folder, as text.
  std::string operator/(const std::string& relative) const;

  // Writes `bytes` to `relative`, creating the folders on the way; returns the full path.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, or an empty string when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace velt::e2e
