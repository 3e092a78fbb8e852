// Command line of velt-batch: velt-batch [--data-dir DIR] SETTINGS_FILE
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velt {

struct BatchArgs {
  bool help = false;
  std::string dataDir;  // empty: the default data folder
  std::string settingsFile;
};

struct BatchArgsResult {
  std::optional<BatchArgs> args;  // set when the command line is valid
  std::string error;              // why it is not
};

BatchArgsResult ParseBatchArgs(const std::vector<std::string>& arguments);

// The usage text printed by --help and after a usage error.
std::string BatchUsage();

}  // namespace velt
