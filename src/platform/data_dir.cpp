#include "platform/data_dir.h"

#include <filesystem>
#include <system_error>

namespace velt {

std::string ExecutableDir() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe.parent_path().string();
}

std::string FindDataDir(const std::string& executableDir) {
  const std::filesystem::path dir(executableDir);
  std::error_code error;
  if (std::filesystem::exists(dir / "velt.dat", error)) return dir.string();
  return (dir.parent_path() / "share" / "velt").lexically_normal().string();
}

}  // namespace velt
