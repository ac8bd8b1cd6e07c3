#include "repair/mp4v_repair.h"

#include <ostream>
#include <system_error>
#include <utility>

#include "repair/stdio_file.h"
#include "repair/video_stream_rebuild.h"
#include "repair/vop_chunks.h"

namespace motrevix::repair {
namespace fs = std::filesystem;
namespace {

void RemoveQuietly(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

// Deletes the two work files when the run stops early, whatever the reason.
class WorkFiles {
 public:
  explicit WorkFiles(const fs::path& folder)
      : carved_(folder / kCarvedFile), rebuilt_(folder / kRebuiltFile) {}
  ~WorkFiles() {
    RemoveQuietly(carved_);
    RemoveQuietly(rebuilt_);
  }
  const fs::path& Carved() const { return carved_; }
  const fs::path& Rebuilt() const { return rebuilt_; }

 private:
  fs::path carved_;
  fs::path rebuilt_;
};

void Show(IUserPrompt& prompt, const char* text) { prompt.ShowMessage(text, kRepairCaption); }

// The work files and the result are created, truncated and deleted in the working
// folder: a damaged file under one of their names would be destroyed by the run.
bool IsWorkFileName(const Mp4vRepairJob& job) {
  for (const char* name : {kCarvedFile, kRebuiltFile, kWrappedFile, kMp4vResultFile}) {
    std::error_code error;
    if (fs::equivalent(job.damagedFile, job.workingFolder / name, error)) return true;
  }
  return false;
}

// Steps 1 to 3 on the opened damaged file: the carved and rebuilt work files; false
// after an error was shown.
bool BuildElementaryStream(StdioFile in, const WorkFiles& files, IUserPrompt& prompt,
                           std::ostream& log) {
  {
    StdioFile carved = OpenStdioFile(files.Carved(), "wb");
    if (!carved) {
      Show(prompt, "Error : can't open tmpfile wb");
      return false;
    }
    if (ExtractVopChunks(in.get(), carved.get()) == 0) {
      Show(prompt, "Error : can't extract mpeg4 bitstream from the infile");
      return false;
    }
    in.reset();
  }
  StdioFile carved = OpenStdioFile(files.Carved(), "rb");
  if (!carved) {
    Show(prompt, "Error : can't open tmp1file rb");
    return false;
  }
  StdioFile rebuilt = OpenStdioFile(files.Rebuilt(), "wb");
  if (!rebuilt) {
    Show(prompt, "Error : can't open tmp2file rb");
    return false;
  }
  if (RebuildVideoStream(carved.get(), rebuilt.get(), kRepairWidth, kRepairHeight, log) == 0) {
    Show(prompt, "Error : can't extract mp4 actual bitstream from the tmpfile\n");
    return false;
  }
  if (std::fflush(rebuilt.get()) != 0) {
    Show(prompt, "Error : can't write tmp2file");
    return false;
  }
  return true;
}

}  // namespace

void RunMp4vRepair(const Mp4vRepairJob& job, IUserPrompt& prompt, IProcessLauncher& launcher,
                   std::ostream& log) {
  if (IsWorkFileName(job)) {
    Show(prompt, kWorkFileNameError);
    return;
  }
  // Only a regular file is read; the work files are cleaned up only once it is open,
  // so work files of another run in the folder survive a file that cannot be opened.
  StdioFile in = OpenRegularFileForReading(job.damagedFile);
  if (!in) {
    Show(prompt, "Error : can't open infile");
    return;
  }
  WorkFiles files(job.workingFolder);
  if (!BuildElementaryStream(std::move(in), files, prompt, log)) return;

  const ProcessRequest esmux{job.esmux,
                             {kRebuiltFile, std::to_string(kRepairWidth),
                              std::to_string(kRepairHeight), std::to_string(kRepairFrameMs)},
                             job.workingFolder,
                             {}};
  if (!launcher.RunAndWait(esmux)) log << "Error : esmux execute\n";

  const fs::path result = job.workingFolder / kMp4vResultFile;
  const fs::path wrapped = job.workingFolder / kWrappedFile;
  RemoveQuietly(result);
  std::error_code renameError;
  fs::rename(wrapped, result, renameError);
  RemoveQuietly(wrapped);
}

}  // namespace motrevix::repair
