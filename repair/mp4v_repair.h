#pragma once
// The MP4V repair: carve the MPEG-4 visual pictures out of a damaged recording,
// rebuild them behind a fresh 640 x 480 configuration header, and have esmux wrap
// them into "Repair_Tansy.mp4" beside the damaged file.

#include <filesystem>
#include <iosfwd>

#include "platform/user_prompt.h"
#include "repair/process_launcher.h"

namespace motrevix::repair {

constexpr int kRepairWidth = 640;
constexpr int kRepairHeight = 480;
constexpr int kRepairFrameMs = 1000 / 30;

constexpr char kCarvedFile[] = "tmp.bin";
constexpr char kRebuiltFile[] = "tmp2.bin";
constexpr char kWrappedFile[] = "tmp2.3gp";
constexpr char kMp4vResultFile[] = "Repair_Tansy.mp4";

struct Mp4vRepairJob {
  std::filesystem::path damagedFile;
  std::filesystem::path workingFolder;  // where the work files and the result go
  std::filesystem::path esmux;
};

// Runs the repair. Errors are shown through `prompt` and end the run early (the work
// files are deleted then); lines that are not for the user go to `log`. The caller
// shows the closing message.
void RunMp4vRepair(const Mp4vRepairJob& job, IUserPrompt& prompt, IProcessLauncher& launcher,
                   std::ostream& log);

// Shown instead of running when the damaged file is one of the run's own files.
constexpr char kWorkFileNameError[] =
    "Error : the damaged file has the name of a work file (tmp.bin, tmp2.bin, tmp2.3gp or "
    "Repair_Tansy.mp4); rename it first";

// The caption of the repair's message boxes.
constexpr char kRepairCaption[] = "Motrevix";

}  // namespace motrevix::repair
