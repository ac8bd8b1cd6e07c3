// motrevix-cli repair
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunRepair(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli repair: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
