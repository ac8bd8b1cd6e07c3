// motrevix-cli telemetry
#include <ostream>

#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

int RunTelemetry(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "motrevix-cli telemetry: not available in this build yet\n";
  return kUsageError;
}

}  // namespace motrevix::cli
