#include "sources/temp_area.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/folder_tree.h"

namespace velt {
namespace {

constexpr char kNamePrefix[] = "velt-";
constexpr size_t kRandomLength = 6;  // the "XXXXXX" of mkdtemp
constexpr char kLockName[] = "lock";
constexpr char kNewLockName[] = "lock.new";
// A folder still without its lock file after this long was never finished:
// making one takes a moment.
constexpr time_t kMakingSeconds = 60;

bool IsAreaName(const std::string& name) {
  const std::string prefix = kNamePrefix;
  return name.size() == prefix.size() + kRandomLength && name.starts_with(prefix) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

UniqueFd OpenFolder(int parentFd, const std::string& name) {
  return UniqueFd(::openat(parentFd, name.c_str(),
                           O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
}

bool OwnedByMe(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
}

// The lock file appears under its final name only once it is locked, so no
// other program ever finds it free while this one is still setting it up.
UniqueFd CreateLockedLockFile(int folderFd) {
  UniqueFd lock(
      ::openat(folderFd, kNewLockName, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!lock.valid()) return {};
  if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0 ||
      ::renameat(folderFd, kNewLockName, folderFd, kLockName) != 0) {
    return {};
  }
  return lock;
}

// A folder without its lock file that a program of ours left while making or
// removing it: mode 0700, nothing in it but a lock file being made, and no
// change for a long while. Anything else of that name (say a user's own
// "velt-backup" with files in it) is not ours to remove.
bool IsUnfinishedArea(int folderFd) {
  struct stat info {};
  if (::fstat(folderFd, &info) != 0 || (info.st_mode & 07777) != 0700 ||
      info.st_mtime >= std::time(nullptr) - kMakingSeconds) {
    return false;
  }
  const std::vector<std::string> entries = FolderEntryNames(folderFd);
  return std::all_of(entries.begin(), entries.end(),
                     [](const std::string& entry) { return entry == kNewLockName; });
}

// Whether the folder's program is gone: its lock file could be taken (and is
// now held in `lock`), or the folder was never finished (IsUnfinishedArea).
bool IsAbandoned(int folderFd, UniqueFd& lock) {
  lock = UniqueFd(::openat(folderFd, kLockName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
  if (!lock.valid()) return errno == ENOENT && IsUnfinishedArea(folderFd);
  struct stat info {};
  return ::fstat(lock.get(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0;
}

// Deletes a private folder, its lock file last: a program killed on the way
// leaves a folder whose free lock tells the next sweep to finish the job.
bool RemoveArea(int parentFd, const std::string& name, int folderFd) {
  for (const std::string& entry : FolderEntryNames(folderFd)) {
    if (entry != kLockName) RemoveFolderEntry(folderFd, entry);
  }
  return RemoveOpenedFolder(parentFd, name, folderFd);
}

}  // namespace

std::string TempDirectory() {
  const char* dir = std::getenv("TMPDIR");
  std::string path = dir != nullptr && *dir != '\0' ? dir : "/tmp";
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  return path;
}

void RemoveAbandonedTempAreas(int parentFd) {
  for (const std::string& name : FolderEntryNames(parentFd)) {
    if (!IsAreaName(name)) continue;
    const UniqueFd folder = OpenFolder(parentFd, name);  // fails on links and files
    UniqueFd lock;
    if (folder.valid() && OwnedByMe(folder.get()) && IsAbandoned(folder.get(), lock)) {
      RemoveArea(parentFd, name, folder.get());
    }
  }
}

TempArea::~TempArea() {
  try {
    Remove();
  } catch (...) {  // out of memory listing the folder: a later program removes it
  }
}

TempArea& TempArea::operator=(const TempArea& other) {
  if (this != &other) {
    Remove();
    tempDir_ = other.tempDir_;
  }
  return *this;
}

bool TempArea::StillExists() const {
  struct stat info {};
  return ::fstat(folder_.get(), &info) == 0 && info.st_nlink > 0;
}

std::optional<std::string> TempArea::Folder() {
  if (!path_.empty() && StillExists()) return path_;
  Remove();  // a folder deleted behind the program's back is made anew
  const std::string dir = tempDir_.empty() ? TempDirectory() : tempDir_;
  UniqueFd parent(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!parent.valid()) return std::nullopt;
  RemoveAbandonedTempAreas(parent.get());

  std::string path = dir + "/" + kNamePrefix + std::string(kRandomLength, 'X');
  if (::mkdtemp(path.data()) == nullptr) return std::nullopt;
  const std::string name = path.substr(dir.size() + 1);
  UniqueFd folder = OpenFolder(parent.get(), name);
  UniqueFd lock;
  // mkdtemp's mode is narrowed by the umask; the folder must still be usable.
  if (folder.valid() && ::fchmod(folder.get(), 0700) == 0)
    lock = CreateLockedLockFile(folder.get());
  if (!lock.valid()) {
    if (folder.valid()) RemoveArea(parent.get(), name, folder.get());
    return std::nullopt;
  }
  path_ = path;
  name_ = name;
  parent_ = std::move(parent);
  folder_ = std::move(folder);
  lock_ = std::move(lock);
  return path_;
}

bool TempArea::Remove() {
  if (path_.empty()) return true;
  // The lock file goes last, while it is still held.
  const bool removed = RemoveArea(parent_.get(), name_, folder_.get());
  lock_.reset();
  folder_.reset();
  parent_.reset();
  path_.clear();
  name_.clear();
  return removed;
}

}  // namespace velt
