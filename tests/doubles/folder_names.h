// The names in a folder, sorted: what tests compare after a run that must
// leave some entries and remove others.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace velt::testing {

inline std::vector<std::string> SortedEntryNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace velt::testing
