#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/unique_fd.h"

extern char** environ;

namespace motrevix::test {
namespace {

struct Pipe {
  UniqueFd read;
  UniqueFd write;
};

bool MakePipe(Pipe& pipe) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  pipe.read.Reset(fds[0]);
  pipe.write.Reset(fds[1]);
  return true;
}

// Owns the spawn attributes so that every path destroys them.
class FileActions {
 public:
  FileActions() { posix_spawn_file_actions_init(&m_actions); }
  ~FileActions() { posix_spawn_file_actions_destroy(&m_actions); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  posix_spawn_file_actions_t* Get() { return &m_actions; }

 private:
  posix_spawn_file_actions_t m_actions;
};

// Reads both pipes until both end or the deadline passes; true when both ended.
bool Drain(int outFd, int errFd, std::string& out, std::string& err,
           std::chrono::steady_clock::time_point deadline) {
  std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&out, &err};
  int open = 2;
  char buffer[65536];
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    for (std::size_t k = 0; k < fds.size(); ++k) {
      if (fds[k].fd < 0 || fds[k].revents == 0) continue;
      const ssize_t got = ::read(fds[k].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[k]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        fds[k].fd = -1;
        --open;
      }
    }
  }
  return true;
}

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     const std::string& workingDir, int timeoutMs) {
  ChildResult result;
  Pipe out, err;
  UniqueFd input(::open("/dev/null", O_RDONLY | O_CLOEXEC));
  if (!MakePipe(out) || !MakePipe(err) || !input.Valid()) {
    result.startError = std::strerror(errno);
    return result;
  }
  FileActions actions;
  posix_spawn_file_actions_adddup2(actions.Get(), input.Get(), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(actions.Get(), out.write.Get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(actions.Get(), err.write.Get(), STDERR_FILENO);
  if (!workingDir.empty()) posix_spawn_file_actions_addchdir_np(actions.Get(), workingDir.c_str());

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  pid_t pid = -1;
  const int spawned =
      posix_spawnp(&pid, program.c_str(), actions.Get(), nullptr, argv.data(), environ);
  out.write.Reset();
  err.write.Reset();
  if (spawned != 0) {
    result.startError = std::strerror(spawned);
    return result;
  }
  result.started = true;

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  bool ended = Drain(out.read.Get(), err.read.Get(), result.out, result.err, deadline);
  int status = 0;
  // A child may close its output and run on: it still gets until the deadline.
  while (ended) {
    const pid_t waited = ::waitpid(pid, &status, WNOHANG);
    if (waited == pid || (waited < 0 && errno != EINTR)) break;
    if (std::chrono::steady_clock::now() >= deadline) ended = false;
    if (ended) ::usleep(2000);
  }
  if (!ended) {
    ::kill(pid, SIGKILL);
    result.timedOut = true;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  if (!result.timedOut && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

}  // namespace motrevix::test
