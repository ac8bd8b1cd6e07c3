// motrevix-cli info
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunInfo(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli info: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
