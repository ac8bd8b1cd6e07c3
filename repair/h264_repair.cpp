#include "repair/h264_repair.h"

#include <fstream>
#include <system_error>

#include "repair/mp4v_repair.h"

namespace motrevix::repair {
namespace fs = std::filesystem;
namespace {

// $0 is the script, $1 the ffmpeg copy: neither is ever part of the command text.
constexpr char kRunScriptThenCleanUp[] =
    "/bin/sh \"$0\"; status=$?; /bin/rm -f -- \"$0\" \"$1\"; exit $status";

void RemoveQuietly(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

bool Fail(IUserPrompt& prompt, const std::string& text) {
  prompt.ShowMessage(text, kRepairCaption);
  return false;
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

ProcessRequest H264ScriptRequest(const H264RepairJob& job) {
  const fs::path& folder = job.locations.recoveryFolder;
  return ProcessRequest{"/bin/sh",
                        {"-c", kRunScriptThenCleanUp, (folder / kH264ScriptFile).string(),
                         (folder / kFfmpegCopyFile).string()},
                        job.workingFolder,
                        {folder}};
}

bool StartH264Repair(const H264RepairJob& job, IUserPrompt& prompt, IProcessLauncher& launcher) {
  const fs::path& folder = job.locations.recoveryFolder;
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder))
    return Fail(prompt, "Error : can't create the folder " + folder.string());

  const fs::path ffmpegCopy = folder / kFfmpegCopyFile;
  if (!fs::exists(ffmpegCopy)) {
    fs::copy_file(job.locations.ffmpegProgram, ffmpegCopy, error);
    if (error) {
      RemoveQuietly(ffmpegCopy);
      return Fail(prompt, "Error : can't copy " + job.locations.ffmpegProgram.string() + " to " +
                              folder.string());
    }
    fs::permissions(ffmpegCopy,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    error);
  }

  const fs::path script = folder / kH264ScriptFile;
  {
    std::ofstream out(script, std::ios::binary | std::ios::trunc);
    out << BuildFfmpegScriptLine(job.damagedFile.string());
    if (!out.flush()) {
      RemoveQuietly(script);
      RemoveQuietly(ffmpegCopy);
      return Fail(prompt, "Error : can't write " + script.string());
    }
  }

  if (!launcher.StartDetached(H264ScriptRequest(job))) {
    RemoveQuietly(script);
    RemoveQuietly(ffmpegCopy);
    return Fail(prompt, "Error : can't start " + script.string());
  }
  return true;
}

}  // namespace motrevix::repair
