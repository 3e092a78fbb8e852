#include "platform/folder_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/unique_fd.h"

namespace velt {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool RemoveFolderEntry(int dirFd, const std::string& name) {
  struct stat info {};
  if (::fstatat(dirFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
  if (!S_ISDIR(info.st_mode)) return ::unlinkat(dirFd, name.c_str(), 0) == 0 || errno == ENOENT;
  const UniqueFd child(
      ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!child.valid()) return false;
  return RemoveOpenedFolder(dirFd, name, child.get());
}

std::vector<std::string> FolderEntryNames(int dirFd) {
  std::vector<std::string> names;
  // A descriptor of its own, so the listing neither moves nor closes dirFd.
  const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listFd < 0) return names;
  DIR* const dir = ::fdopendir(listFd);
  if (dir == nullptr) {
    ::close(listFd);
    return names;
  }
  while (const dirent* entry = ::readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
      names.emplace_back(entry->d_name);
    }
  }
  ::closedir(dir);
  return names;
}

bool RemoveFolderContents(int dirFd) {
  bool removed = true;
  for (const std::string& name : FolderEntryNames(dirFd)) {
    removed = RemoveFolderEntry(dirFd, name) && removed;
  }
  return removed;
}

bool RemoveOpenedFolder(int parentFd, const std::string& name, int dirFd) {
  struct stat opened {};
  struct stat named {};
  if (::fstat(dirFd, &opened) != 0 ||
      ::fstatat(parentFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
      !SameFile(opened, named)) {
    return false;
  }
  const bool emptied = RemoveFolderContents(dirFd);
  return emptied && ::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) == 0;
}

}  // namespace velt
