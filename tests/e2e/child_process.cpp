#include "e2e/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace velt::e2e {
namespace {

// Both ends of a pipe, closed when the object goes.
class Pipe {
 public:
  Pipe() {
    if (pipe2(fds_.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
  }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  int readEnd() const { return fds_[0]; }
  int writeEnd() const { return fds_[1]; }
  void CloseRead() { Close(fds_[0]); }
  void CloseWrite() { Close(fds_[1]); }

 private:
  static void Close(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  std::array<int, 2> fds_{-1, -1};
};

bool IsLocaleVariable(std::string_view entry) {
  return entry.starts_with("LC_") || entry.starts_with("LANG=") || entry.starts_with("LANGUAGE=");
}

// Whether `entry` ("NAME=value") sets one of the names set by `overrides`.
bool IsOverridden(std::string_view entry, const std::vector<std::string>& overrides) {
  const std::string_view name = entry.substr(0, entry.find('=') + 1);
  for (const std::string& override : overrides) {
    if (std::string_view(override).starts_with(name)) return true;
  }
  return false;
}

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& overrides) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!IsLocaleVariable(*entry) && !IsOverridden(*entry, overrides)) {
      environment.emplace_back(*entry);
    }
  }
  environment.insert(environment.end(), overrides.begin(), overrides.end());
  environment.emplace_back("LC_ALL=C");
  return environment;
}

std::vector<char*> PointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings)
    pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::vector<std::string>& environment, Pipe& in, Pipe& out, Pipe& err) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.readEnd(), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out.writeEnd(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.writeEnd(), STDERR_FILENO);
  // The parent ignores SIGPIPE; the child gets the default action back.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

  std::vector<std::string> argv{program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envp = ChildEnvironment(environment);
  std::vector<char*> argvPointers = PointersTo(argv);
  std::vector<char*> envpPointers = PointersTo(envp);

  pid_t pid = -1;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, &attributes, argvPointers.data(),
                                 envpPointers.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) throw std::runtime_error("cannot start " + program);
  return pid;
}

// Writes the input and drains both outputs until the child closes them.
bool Exchange(const std::string& input, Pipe& in, Pipe& out, Pipe& err, ChildResult& result,
              int timeoutSeconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  size_t written = 0;
  if (input.empty()) {
    in.CloseWrite();
  } else {
    fcntl(in.writeEnd(), F_SETFL, O_NONBLOCK);
  }
  bool outOpen = true;
  bool errOpen = true;
  std::array<char, 4096> buffer{};
  while (outOpen || errOpen) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    std::array<pollfd, 3> polled{{{outOpen ? out.readEnd() : -1, POLLIN, 0},
                                  {errOpen ? err.readEnd() : -1, POLLIN, 0},
                                  {in.writeEnd(), POLLOUT, 0}}};
    if (poll(polled.data(), polled.size(), static_cast<int>(left.count())) < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (polled[2].revents != 0) {
      const ssize_t n = write(in.writeEnd(), input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      const bool failed = n < 0 && errno != EAGAIN && errno != EINTR;
      if (failed || written == input.size()) in.CloseWrite();  // EOF for the child
    }
    for (size_t i = 0; i < 2; ++i) {
      if (polled[i].revents == 0) continue;
      const ssize_t n = read(polled[i].fd, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      std::string& sink = i == 0 ? result.out : result.err;
      bool& open = i == 0 ? outOpen : errOpen;
      if (n > 0) {
        sink.append(buffer.data(), static_cast<size_t>(n));
      } else {
        open = false;  // end of file or a read error
      }
    }
  }
  return true;
}

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& input, const std::vector<std::string>& environment,
                     int timeoutSeconds) {
  // A child that exits without reading all its input must not end this process.
  signal(SIGPIPE, SIG_IGN);
  Pipe in;
  Pipe out;
  Pipe err;
  const pid_t pid = Spawn(program, arguments, environment, in, out, err);
  in.CloseRead();
  out.CloseWrite();
  err.CloseWrite();

  ChildResult result;
  const bool finished = Exchange(input, in, out, err, result, timeoutSeconds);
  if (!finished) kill(pid, SIGKILL);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (finished && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

}  // namespace velt::e2e
