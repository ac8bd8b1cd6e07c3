#include "repair/repair_locations.h"

#include <QStandardPaths>
#include <QString>

namespace motrevix::repair {
namespace fs = std::filesystem;

RepairLocations DefaultRepairLocations() {
  RepairLocations locations;
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  locations.programFolder = error ? fs::current_path() : executable.parent_path();
  locations.recoveryFolder =
      fs::path(
          QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString()) /
      "motrevix" / "Recovery";
  const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
  locations.ffmpegProgram =
      ffmpeg.isEmpty() ? fs::path("/usr/bin/ffmpeg") : fs::path(ffmpeg.toStdString());
  locations.repairProgram = locations.programFolder / "ClipMendTool";
  return locations;
}

fs::path RepairWorkingFolder(const fs::path& damagedFile) {
  if (damagedFile.empty() || !damagedFile.has_parent_path()) return fs::current_path();
  return fs::absolute(damagedFile).parent_path();
}

}  // namespace motrevix::repair
