#include "e2e/scratch_dir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace velt::e2e {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() : ScratchDir((fs::temp_directory_path() / "velt-e2e-XXXXXX").string()) {}

ScratchDir::ScratchDir(const std::string& pathTemplate) {
  std::vector<char> name(pathTemplate.begin(), pathTemplate.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed: " + pathTemplate);
  path_ = name.data();
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string ScratchDir::operator/(const std::string& relative) const {
  return (path_ / relative).string();
}

std::string ScratchDir::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream << bytes;
  if (!stream.flush()) throw std::runtime_error("cannot write " + file.string());
  return file.string();
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

}  // namespace velt::e2e
