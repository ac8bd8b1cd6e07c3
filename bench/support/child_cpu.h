#pragma once
// CPU and wall time of this process and of programs the benchmarks start.

#include <sys/time.h>

#include <string>
#include <vector>

namespace motrevix::bench {

double Seconds(const timeval& t);

// User plus system time of this process so far.
double SelfCpu();

struct ChildRun {
  bool ok = false;  // started and exited with status 0
  double wall = 0;
  double cpu = 0;  // all its threads and the children it waited for
};

// Runs a program (no shell, looked up in PATH) with extra environment entries
// in front of this process's, and measures its wall and CPU time.
ChildRun RunChild(const std::vector<std::string>& args, const std::vector<std::string>& env = {});

}  // namespace motrevix::bench
