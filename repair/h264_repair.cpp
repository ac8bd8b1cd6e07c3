#include "repair/h264_repair.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "repair/mp4v_repair.h"

namespace motrevix::repair {
namespace fs = std::filesystem;
namespace {

// $0 is the script, $1 the ffmpeg copy, $2 the run folder: none is ever part of the
// command text.
constexpr char kRunScriptThenCleanUp[] =
    "/bin/sh \"$0\"; status=$?; /bin/rm -f -- \"$0\" \"$1\"; /bin/rmdir -- \"$2\"; exit $status";

void RemoveQuietly(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

bool Fail(IUserPrompt& prompt, const std::string& text) {
  prompt.ShowMessage(text, kRepairCaption);
  return false;
}

// A new, empty folder of this run's own inside the recovery folder; empty on failure.
fs::path MakeRunFolder(const fs::path& recoveryFolder) {
  std::string name = (recoveryFolder / kH264RunFolderPrefix).string() + "XXXXXX";
  if (::mkdtemp(name.data()) == nullptr) return {};
  return name;
}

}  // namespace

std::string QuoteForShell(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

std::string BuildFfmpegScriptLine(const std::string& damagedFile) {
  return std::string("ffmpeg -i") + " " + QuoteForShell(damagedFile) + " " + " -r 30 -vcodec copy" +
         " " + " " + kH264ResultFile;
}

ProcessRequest H264ScriptRequest(const H264RepairJob& job, const fs::path& runFolder) {
  return ProcessRequest{"/bin/sh",
                        {"-c", kRunScriptThenCleanUp, (runFolder / kH264ScriptFile).string(),
                         (runFolder / kFfmpegCopyFile).string(), runFolder.string()},
                        job.workingFolder,
                        {runFolder}};
}

bool StartH264Repair(const H264RepairJob& job, IUserPrompt& prompt, IProcessLauncher& launcher) {
  const fs::path& folder = job.locations.recoveryFolder;
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder))
    return Fail(prompt, "Error : can't create the folder " + folder.string());

  const fs::path runFolder = MakeRunFolder(folder);
  if (runFolder.empty()) return Fail(prompt, "Error : can't create a folder in " + folder.string());
  const fs::path ffmpegCopy = runFolder / kFfmpegCopyFile;
  const fs::path script = runFolder / kH264ScriptFile;
  const auto removeRun = [&] {
    RemoveQuietly(script);
    RemoveQuietly(ffmpegCopy);
    RemoveQuietly(runFolder);
  };

  const fs::path keptCopy = folder / kFfmpegCopyFile;
  const fs::path ffmpeg = fs::is_regular_file(keptCopy) ? keptCopy : job.locations.ffmpegProgram;
  fs::copy_file(ffmpeg, ffmpegCopy, error);
  if (error) {
    removeRun();
    return Fail(prompt, "Error : can't copy " + ffmpeg.string() + " to " + folder.string());
  }
  fs::permissions(ffmpegCopy,
                  fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                      fs::perms::others_read | fs::perms::others_exec,
                  error);

  {
    std::ofstream out(script, std::ios::binary | std::ios::trunc);
    out << BuildFfmpegScriptLine(job.damagedFile.string());
    if (!out.flush()) {
      removeRun();
      return Fail(prompt, "Error : can't write " + script.string());
    }
  }

  if (!launcher.StartDetached(H264ScriptRequest(job, runFolder))) {
    removeRun();
    return Fail(prompt, "Error : can't start " + script.string());
  }
  return true;
}

}  // namespace motrevix::repair
