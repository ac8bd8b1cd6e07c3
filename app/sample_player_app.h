#pragma once
// `CSamplePlayerApp`: reads the command line, runs the main window modally and
// ends the process when it closes.

namespace motrevix {

class CSamplePlayerApp {
 public:
  // Returns the process's exit code.
  int Run(int argc, char* argv[]);
};

}  // namespace motrevix
