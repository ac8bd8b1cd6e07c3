#include "bench/support/child_cpu.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>

extern char** environ;

namespace motrevix::bench {

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; }

double SelfCpu() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

ChildRun RunChild(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> envStrings(env);
  for (char** e = environ; *e != nullptr; ++e) envStrings.emplace_back(*e);
  std::vector<char*> envp;
  for (auto& e : envStrings) envp.push_back(e.data());
  envp.push_back(nullptr);
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

}  // namespace motrevix::bench
