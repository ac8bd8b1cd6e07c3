#include "repair/repair_program.h"

#include <unistd.h>

#include "repair/mp4v_repair.h"

namespace motrevix::repair {

bool StartRepairProgram(const RepairLocations& locations, IUserPrompt& prompt,
                        IProcessLauncher& launcher) {
  const auto& program = locations.repairProgram;
  const bool present = ::access(program.c_str(), X_OK) == 0;
  if (!present || !launcher.StartDetached({program, {}, program.parent_path(), {}})) {
    prompt.ShowMessage("The repair program is not installed: " + program.string(), kRepairCaption);
    return false;
  }
  return true;
}

}  // namespace motrevix::repair
