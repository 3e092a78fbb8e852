#include "sources/temp_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace velt {
namespace {

constexpr int kFirstNumber = 1;
constexpr int kLastNumber = 999;

std::string FolderName(const std::string& areaPath, int number) {
  char name[16];
  std::snprintf(name, sizeof name, "VELT%03d", number);
  return areaPath + "/" + name;
}

}  // namespace

std::optional<TempFolder> TempFolder::Create(TempArea& area) {
  const std::optional<std::string> areaPath = area.Folder();
  if (!areaPath) return std::nullopt;
  for (int number = kFirstNumber; number <= kLastNumber; ++number) {
    const std::string path = FolderName(*areaPath, number);
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
  // Inside the private folder nobody else can add or swap entries.
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  if (ec) return false;
  path_.clear();
  return true;
}

}  // namespace velt
