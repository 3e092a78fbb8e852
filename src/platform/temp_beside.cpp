#include "platform/temp_beside.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/folder_tree.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

// Names tried for a new file before giving up.
constexpr int kTempAttempts = 100;

// New files are named ".<target's name>.<pid>.<n>.tmp" beside the target.
std::string TempPrefix(const fs::path& target) {
  return "." + target.filename().string() + ".";
}

// The process id in a new file's name, or 0 when the name is not one of the
// target's new files.
pid_t WriterOfTemp(const std::string& name, const std::string& prefix) {
  constexpr std::string_view kSuffix = ".tmp";
  if (name.size() < prefix.size() + kSuffix.size() || !name.starts_with(prefix) ||
      !name.ends_with(kSuffix)) {
    return 0;
  }
  const std::string_view rest(name.data() + prefix.size(),
                              name.size() - prefix.size() - kSuffix.size());
  const size_t dot = rest.find('.');
  if (dot == std::string_view::npos) return 0;
  const std::string_view pidText = rest.substr(0, dot);
  const std::string_view attempt = rest.substr(dot + 1);
  if (pidText.empty() || pidText.front() == '0') return 0;
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
  if (error != std::errc() || end != pidText.data() + pidText.size() || pid <= 0) return 0;
  if (attempt.empty() || attempt.find_first_not_of("0123456789") != std::string_view::npos) {
    return 0;
  }
  return pid;
}

bool ProcessIsGone(pid_t pid) {
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string FinalTarget(const std::string& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path target = fs::weakly_canonical(path, error);
  return error ? path : target.string();
}

UniqueFd CreateTempBeside(const std::string& target, std::string& tempPath) {
  const fs::path targetPath(target);
  const std::string stem =
      (targetPath.parent_path() / TempPrefix(targetPath)).string() + std::to_string(::getpid());
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    tempPath = stem + "." + std::to_string(attempt) + ".tmp";
    UniqueFd fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (fd.valid()) return fd;
    if (errno != EEXIST) break;
  }
  const int err = errno;
  tempPath.clear();
  errno = err;
  return UniqueFd();
}

void RemoveStaleTempsBeside(const std::string& targetPath) {
  const fs::path target(targetPath);
  const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
  const UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid()) return;
  const std::string prefix = TempPrefix(target);
  for (const std::string& name : FolderEntryNames(dir.get())) {
    const pid_t pid = WriterOfTemp(name, prefix);
    if (pid == 0 || !ProcessIsGone(pid)) continue;
    struct stat info {};
    if (::fstatat(dir.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
      ::unlinkat(dir.get(), name.c_str(), 0);
    }
  }
}

}  // namespace velt
