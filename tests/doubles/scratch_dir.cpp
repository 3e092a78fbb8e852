#include "doubles/scratch_dir.h"

#include <stdlib.h>

#include <cerrno>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace velt::testing {
namespace {

namespace fs = std::filesystem;

bool IsRealFolder(const fs::directory_entry& entry) {
  std::error_code ignored;
  return entry.symlink_status(ignored).type() == fs::file_type::directory;
}

// Gives the owner full access to `folder` and to every folder below it, so
// that their entries can be listed and removed.
void OpenUp(const fs::path& folder) {
  std::error_code error;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (IsRealFolder(*entry)) OpenUp(entry->path());
  }
}

}  // namespace

ScratchDir::ScratchDir(const std::string& prefix) : ScratchDir(fs::temp_directory_path(), prefix) {}

ScratchDir::ScratchDir(const fs::path& base, const std::string& prefix) {
  const std::string pattern = (base / (prefix + "-XXXXXX")).string();
  std::string name = pattern;
  if (::mkdtemp(name.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
  }
  path_ = name;
}

ScratchDir::~ScratchDir() {
  OpenUp(path_);
  std::error_code error;
  fs::remove_all(path_, error);
  if (error) std::cerr << "cannot remove " << path_ << ": " << error.message() << '\n';
}

fs::path ScratchDir::operator/(const std::string& relative) const {
  if (fs::path(relative).is_absolute()) {
    throw std::invalid_argument(relative + " is not a path inside " + path_.string());
  }
  return path_ / relative;
}

std::string ScratchDir::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path file = *this / relative;
  fs::create_directories(file.parent_path());
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream.flush()) throw std::runtime_error("cannot write " + file.string());
  return file.string();
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

}  // namespace velt::testing
