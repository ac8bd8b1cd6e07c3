#include "repair/process_launcher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace motrevix::repair {
namespace {

// The pieces of one start, made before anything is spawned: every path and argument
// is used as the bytes it is, so folders and files whose names are not UTF-8 work.
class SpawnPlan {
 public:
  SpawnPlan(const ProcessRequest& request, bool quiet) : program_(request.program.string()) {
    words_.push_back(program_);
    for (const auto& argument : request.arguments) words_.push_back(argument);
    for (auto& word : words_) argv_.push_back(word.data());
    argv_.push_back(nullptr);

    std::string searchPath;
    for (const auto& folder : request.searchPathFirst) searchPath += folder.string() + ":";
    for (char** variable = environ; *variable != nullptr; ++variable) {
      if (!searchPath.empty() && std::strncmp(*variable, "PATH=", 5) == 0) continue;
      environment_.emplace_back(*variable);
    }
    if (!searchPath.empty()) {
      const char* inherited = std::getenv("PATH");
      environment_.push_back("PATH=" + searchPath +
                             (inherited != nullptr ? inherited : "/usr/local/bin:/usr/bin:/bin"));
    }
    for (auto& variable : environment_) envp_.push_back(variable.data());
    envp_.push_back(nullptr);

    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // A program left running must not die writing to a pipe its starter has closed.
    if (quiet) {
      posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    workingFolder_ = request.workingFolder.string();
    if (!workingFolder_.empty())
      posix_spawn_file_actions_addchdir_np(&actions_, workingFolder_.c_str());
  }
  SpawnPlan(const SpawnPlan&) = delete;
  SpawnPlan& operator=(const SpawnPlan&) = delete;
  ~SpawnPlan() { posix_spawn_file_actions_destroy(&actions_); }

  // Starts the program; its process id, or -1 when it could not be started (also
  // when the working folder cannot be entered or the program cannot be run).
  pid_t Spawn() const {
    pid_t pid = -1;
    return posix_spawn(&pid, program_.c_str(), &actions_, nullptr, argv_.data(), envp_.data()) == 0
               ? pid
               : -1;
  }

 private:
  std::string program_;
  std::string workingFolder_;
  std::vector<std::string> words_;
  std::vector<char*> argv_;
  std::vector<std::string> environment_;
  std::vector<char*> envp_;
  posix_spawn_file_actions_t actions_{};
};

int WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return status;
}

}  // namespace

bool SpawnProcessLauncher::RunAndWait(const ProcessRequest& request) {
  const SpawnPlan plan(request, false);
  const pid_t pid = plan.Spawn();
  if (pid < 0) return false;
  WaitFor(pid);
  return true;
}

bool SpawnProcessLauncher::StartDetached(const ProcessRequest& request) {
  const SpawnPlan plan(request, true);
  // An intermediate child starts the program and ends at once, so the program is
  // nobody's child here and is never left a zombie of this process.
  const pid_t intermediate = ::fork();
  if (intermediate < 0) return false;
  if (intermediate == 0) {
    ::setsid();
    ::_exit(plan.Spawn() < 0 ? 1 : 0);
  }
  const int status = WaitFor(intermediate);
  return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace motrevix::repair
