// Where the state file lives.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "settings/state_file.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

// An absolute path that is a folder, or that does not exist yet (it is created
// when the state is first saved).
bool Usable(const std::optional<std::string>& candidate) {
  if (!candidate || candidate->empty() || (*candidate)[0] != '/') return false;
  std::error_code error;
  const fs::file_status status = fs::status(*candidate, error);
  if (status.type() == fs::file_type::not_found) return true;
  return !error && fs::is_directory(status);
}

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<std::string> AccountHome() {
  const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr) {
    return std::nullopt;
  }
  return std::string(found->pw_dir);
}

}  // namespace

std::string DefaultStatePath(const StateLocationSources& sources) {
  // The account's home folder stands in for an unset or unusable $HOME.
  const std::optional<std::string> home = Usable(sources.home)          ? sources.home
                                          : Usable(sources.accountHome) ? sources.accountHome
                                                                        : std::nullopt;
  const std::optional<std::string> homeConfig =
      home ? std::optional<std::string>(*home + "/.config") : std::nullopt;
  fs::path folder = ".";
  if (Usable(sources.xdgConfigHome)) {
    folder = *sources.xdgConfigHome;
  } else if (Usable(homeConfig)) {
    folder = *homeConfig;
  } else if (home) {
    folder = *home;
  }
  return (folder / kStateFolderName / kStateFileName).string();
}

std::string DefaultStatePath() {
  return DefaultStatePath({Environment("XDG_CONFIG_HOME"), Environment("HOME"), AccountHome()});
}

}  // namespace velt
