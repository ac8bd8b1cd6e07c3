#pragma once
// Starts a program as a child with posix_spawn and collects its output. Test
// processes run engine threads; posix_spawn starts the child without the fork
// that ThreadSanitizer cannot follow in a threaded process, and passes
// arguments and paths as the bytes they are.

#include <string>
#include <vector>

namespace motrevix::test {

struct ChildResult {
  bool started = false;
  bool timedOut = false;
  int exitCode = -1;  // -1 when the child was killed by a signal
  std::string out;
  std::string err;
  std::string startError;
};

// Runs `program` (looked up in PATH when it has no slash) with `args`, stdin
// from /dev/null, in `workingDir` when not empty. Kills it after `timeoutMs`.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     const std::string& workingDir, int timeoutMs);

}  // namespace motrevix::test
