// motrevix-cli play
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunPlay(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli play: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
