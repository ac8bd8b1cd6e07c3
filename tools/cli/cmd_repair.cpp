// motrevix-cli repair mp4v|h264 FILE: the repair window's two methods, in the folder
// of FILE, without the window.
#include <filesystem>
#include <iostream>
#include <ostream>
#include <sstream>

#include "platform/user_prompt.h"
#include "repair/h264_repair.h"
#include "repair/mp4v_repair.h"
#include "repair/repair_locations.h"
#include "tools/cli/cli_commands.h"

namespace motrevix::cli {
namespace {

namespace fs = std::filesystem;

// Message boxes become lines on the error stream; the repair asks nothing.
class StreamPrompt : public IUserPrompt {
 public:
  explicit StreamPrompt(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
    err_ << "motrevix-cli repair: " << text;
    if (text.empty() || text.back() != '\n') err_ << "\n";
    ++shown_;
  }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::string ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
  std::string ChooseFolder(const std::string&) override { return {}; }
  int Shown() const { return shown_; }

 private:
  std::ostream& err_;
  int shown_ = 0;
};

constexpr char kUsage[] =
    "Usage: motrevix-cli repair mp4v|h264 FILE\n"
    "  mp4v  carve the MPEG-4 visual pictures out of FILE and rebuild them into\n"
    "        Repair_Tansy.mp4 beside FILE (needs esmux beside motrevix-cli)\n"
    "  h264  have ffmpeg copy FILE's video stream into Repair_Corvid_case1.mp4\n"
    "        beside FILE; ffmpeg runs on its own after this command returns\n";

}  // namespace

int RunRepair(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (args.size() != 2 || (args[0] != "mp4v" && args[0] != "h264")) {
    err << kUsage;
    return kUsageError;
  }
  const fs::path file = fs::absolute(args[1]);
  const fs::path folder = repair::RepairWorkingFolder(file);
  const repair::RepairLocations locations = repair::DefaultRepairLocations();
  repair::SpawnProcessLauncher launcher;
  StreamPrompt prompt(err);

  if (args[0] == "mp4v") {
    std::ostringstream log;
    repair::RunMp4vRepair({file, folder, locations.Esmux()}, prompt, launcher, log);
    err << log.str();
    const fs::path result = folder / repair::kMp4vResultFile;
    if (prompt.Shown() > 0 || !fs::exists(result)) {
      err << "motrevix-cli repair: no repaired recording was made\n";
      return 1;
    }
    out << result.string() << "\n";
    return 0;
  }

  if (!repair::StartH264Repair({file, folder, locations}, prompt, launcher)) return 1;
  out << (folder / repair::kH264ResultFile).string() << " (ffmpeg is writing it)\n";
  return 0;
}

}  // namespace motrevix::cli
