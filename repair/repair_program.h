#pragma once
// The third way: start the outside repair program and do nothing else.

#include "platform/user_prompt.h"
#include "repair/process_launcher.h"
#include "repair/repair_locations.h"

namespace motrevix::repair {

// Starts the repair program without waiting; when it is not there (or cannot be
// started) the user is told so and false is returned.
bool StartRepairProgram(const RepairLocations& locations, IUserPrompt& prompt,
                        IProcessLauncher& launcher);

}  // namespace motrevix::repair
