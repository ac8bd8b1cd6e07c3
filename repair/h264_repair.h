#pragma once
// The H.264 repair: a one-line script has ffmpeg copy the damaged recording's video
// stream into "Repair_Corvid_case1.mp4" in the working folder. Each run keeps its
// script and its copy of ffmpeg in a folder of its own inside the recovery folder
// (run-XXXXXX), so runs started together never use each other's script; the script
// runs on its own.

#include <filesystem>
#include <string>

#include "platform/user_prompt.h"
#include "repair/process_launcher.h"
#include "repair/repair_locations.h"

namespace motrevix::repair {

constexpr char kH264ResultFile[] = "Repair_Corvid_case1.mp4";
constexpr char kH264ScriptFile[] = "make_h264_use_ffmpeg.sh";
constexpr char kFfmpegCopyFile[] = "ffmpeg";
constexpr char kH264RunFolderPrefix[] = "run-";

// The path as one word for the POSIX shell: in single quotes, each quote inside
// written as '\''. Nothing in it is expanded or run.
std::string QuoteForShell(const std::string& text);

// The script's line, without a line end:
// ffmpeg -i PATH  -r 30 -vcodec copy  Repair_Corvid_case1.mp4
std::string BuildFfmpegScriptLine(const std::string& damagedFile);

struct H264RepairJob {
  std::filesystem::path damagedFile;
  std::filesystem::path workingFolder;  // the script runs here; the result lands here
  RepairLocations locations;
};

// Prepares the recovery folder (made when missing) and a new run folder in it,
// copies ffmpeg into the run folder (the recovery folder's own "ffmpeg" when one is
// kept there, else the system's), writes the script there and starts it without
// waiting. The started command removes the script, the ffmpeg copy and the run
// folder itself once ffmpeg has ended, so nothing is deleted before it has been
// used. Returns false after an error was shown through `prompt` (nothing is left
// behind then).
bool StartH264Repair(const H264RepairJob& job, IUserPrompt& prompt, IProcessLauncher& launcher);

// The command that runs the script of a run folder: sh SCRIPT, then removes SCRIPT,
// the ffmpeg copy and the run folder, keeping ffmpeg's exit status. The paths are
// passed as arguments.
ProcessRequest H264ScriptRequest(const H264RepairJob& job, const std::filesystem::path& runFolder);

}  // namespace motrevix::repair
