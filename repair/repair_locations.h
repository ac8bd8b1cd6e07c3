#pragma once
// Where the repair finds its programs and keeps its work files.

#include <filesystem>

namespace motrevix::repair {

struct RepairLocations {
  std::filesystem::path programFolder;   // esmux and the repair program live here
  std::filesystem::path recoveryFolder;  // the H.264 repair's work folder
  std::filesystem::path ffmpegProgram;   // the system's ffmpeg, copied for the H.264 repair
  std::filesystem::path repairProgram;   // the outside repair program

  std::filesystem::path Esmux() const { return programFolder / "esmux"; }
};

// The running executable's folder; the recovery folder under the user's cache
// folder (".../motrevix/Recovery"); ffmpeg from the search path; "ClipMendTool"
// beside the viewer.
RepairLocations DefaultRepairLocations();

// The folder a repair writes its files into: the damaged file's folder, or the
// process's current folder when no file was chosen.
std::filesystem::path RepairWorkingFolder(const std::filesystem::path& damagedFile);

}  // namespace motrevix::repair
