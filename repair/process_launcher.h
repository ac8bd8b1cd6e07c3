#pragma once
// Starting the repair's outside programs; tests may watch or replace it.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace motrevix::repair {

struct ProcessRequest {
  std::filesystem::path program;
  std::vector<std::string> arguments;
  std::filesystem::path workingFolder;
  // Folders put in front of the search path of the started program.
  std::vector<std::filesystem::path> searchPathFirst;
};

class IProcessLauncher {
 public:
  virtual ~IProcessLauncher() = default;
  // Runs the program and waits until it ends; false when it could not be started.
  virtual bool RunAndWait(const ProcessRequest& request) = 0;
  // Starts the program on its own, not waited for and not watched; false when it
  // could not be started.
  virtual bool StartDetached(const ProcessRequest& request) = 0;
};

// Starts programs with posix_spawn, never through a shell, passing paths and
// arguments as the bytes they are; standard input is empty, and the output of a
// program started on its own is discarded.
class SpawnProcessLauncher : public IProcessLauncher {
 public:
  bool RunAndWait(const ProcessRequest& request) override;
  bool StartDetached(const ProcessRequest& request) override;
};

}  // namespace motrevix::repair
