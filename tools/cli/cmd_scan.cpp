// motrevix-cli scan
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunScan(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli scan: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
