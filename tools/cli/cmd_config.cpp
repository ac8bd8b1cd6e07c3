// motrevix-cli config
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunConfig(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli config: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
