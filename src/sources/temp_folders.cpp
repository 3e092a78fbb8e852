#include "sources/temp_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

namespace velt {
namespace {

constexpr int kFirstNumber = 1;
constexpr int kLastNumber = 999;

std::string FolderName(const std::string& tempDir, int number) {
  char name[16];
  std::snprintf(name, sizeof name, "VELT%03d", number);
  return tempDir + "/" + name;
}

}  // namespace

std::string TempDirectory() {
  const char* dir = std::getenv("TMPDIR");
  std::string path = dir != nullptr && *dir != '\0' ? dir : "/tmp";
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  return path;
}

std::optional<TempFolder> TempFolder::Create(const std::string& tempDir) {
  for (int number = kFirstNumber; number <= kLastNumber; ++number) {
    const std::string path = FolderName(tempDir, number);
    // mkdir fails on any existing name (file, folder or link), so another
    // user can never slip a folder or link of their own in.
    if (::mkdir(path.c_str(), 0700) == 0) return TempFolder(path);
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

TempFolder::TempFolder(TempFolder&& other) noexcept : path_(std::exchange(other.path_, {})) {}

TempFolder& TempFolder::operator=(TempFolder&& other) noexcept {
  if (this != &other) {
    Remove();
    path_ = std::exchange(other.path_, {});
  }
  return *this;
}

bool TempFolder::Remove() {
  if (path_.empty()) return true;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  if (ec) return false;
  path_.clear();
  return true;
}

void RemoveOldTempFolders(const std::string& tempDir) {
  const uid_t me = ::getuid();
  for (int number = kFirstNumber; number <= kLastNumber; ++number) {
    const std::string path = FolderName(tempDir, number);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) continue;
    if (!S_ISDIR(info.st_mode) || info.st_uid != me) continue;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
}

}  // namespace velt
