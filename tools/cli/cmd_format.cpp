// motrevix-cli format
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunFormat(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli format: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
