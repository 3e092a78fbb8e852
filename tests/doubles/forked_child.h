// Runs test code in a child process: to drop root's privileges (so that
// permissions bite), to hold something for the life of a process that then
// dies, or to get the id of a process that has ended.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace velt::testing {

// The uid and gid a root test drops to: "nobody" on Debian.
inline constexpr uid_t kOtherUser = 65534;

// Runs `body` in a forked child, as kOtherUser when this process is root, and
// returns its result (0 to 254), or -1 when the child did not end normally.
// The child ends with _exit: nothing of this process is cleaned up twice.
inline int RunInChild(const std::function<int()>& body, bool asOtherUser = false) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (asOtherUser && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)) {
      ::_exit(255);
    }
    ::_exit(body());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  const int code = WEXITSTATUS(status);
  return code == 255 ? -1 : code;
}

// The id of a process that has just ended (and been reaped).
inline pid_t EndedProcessId() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

}  // namespace velt::testing
