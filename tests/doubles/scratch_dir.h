// A private folder for one test, made with mkdtemp and removed with everything
// in it when the test is done.
#pragma once

#include <filesystem>
#include <string>

namespace velt::testing {

class ScratchDir {
 public:
  // Makes the folder "<prefix>-XXXXXX" in the system's temporary directory
  // ($TMPDIR, else /tmp) or in `base`. Throws std::system_error with the
  // reason when it cannot be made: no test runs without its folder.
  explicit ScratchDir(const std::string& prefix);
  ScratchDir(const std::filesystem::path& base, const std::string& prefix);
  // Removes the folder, first making writable the folders a test made
  // read-only or unreadable. Links are removed, never followed.
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The path of `relative` inside the folder; an absolute path is refused
  // with std::invalid_argument, so nothing is written outside the folder.
  std::filesystem::path operator/(const std::string& relative) const;
  // The same path, as text.
  std::string File(const std::string& relative) const { return (*this / relative).string(); }

  // Writes `bytes` to `relative`, creating the folders on the way, and
  // returns the file's path. Throws when the file cannot be written.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, or "" when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace velt::testing
