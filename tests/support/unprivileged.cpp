#include "tests/support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/unique_fd.h"

namespace motrevix::test {

std::optional<std::string> AsUnprivilegedUser(const std::filesystem::path& folder,
                                              const std::function<std::string()>& work) {
  constexpr uid_t kNobody = 65534;
  int ends[2];
  if (pipe(ends) != 0) return std::nullopt;
  UniqueFd readEnd(ends[0]);
  UniqueFd writeEnd(ends[1]);
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    readEnd.Reset();
    const bool dropped = setgroups(0, nullptr) == 0 && setresgid(kNobody, kNobody, kNobody) == 0 &&
                         setresuid(kNobody, kNobody, kNobody) == 0 &&
                         access(folder.c_str(), R_OK | X_OK) == 0;
    std::string result = "0";
    try {  // the child must never return into the test runner
      if (dropped) result = "1" + work();
    } catch (...) {
      result = "1(exception)";
    }
    for (std::size_t done = 0; done < result.size();) {
      const ssize_t n = write(writeEnd.Get(), result.data() + done, result.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  writeEnd.Reset();
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = read(readEnd.Get(), buffer, sizeof buffer)) > 0;)
    result.append(buffer, static_cast<std::size_t>(n));
  readEnd.Reset();
  int status = 0;
  waitpid(child, &status, 0);
  if (result.empty() || result[0] != '1') return std::nullopt;
  return result.substr(1);
}

}  // namespace motrevix::test
