#pragma once
// A check of the program's own logic that stays on in release builds and in
// tests: a failed check is a programming error, reported and ended at once
// rather than left to fail later (for example as a null pointer).

#include <cstdio>
#include <cstdlib>

namespace motrevix {

[[noreturn]] inline void ProgrammingCheckFailed(const char* condition, const char* message,
                                                const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s (%s)\n", file, line, condition, message);
  std::abort();
}

}  // namespace motrevix

#define MOTREVIX_CHECK(condition, message) \
  ((condition) ? void(0)                   \
               : ::motrevix::ProgrammingCheckFailed(#condition, message, __FILE__, __LINE__))
