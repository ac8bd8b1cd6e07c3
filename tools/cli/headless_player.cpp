#include "tools/cli/headless_player.h"

extern "C" {
#include <libavutil/log.h>
}

#include <filesystem>

#include "playback/null_sound_output.h"

namespace motrevix::cli {
namespace {

ComponentOptions NullSoundOptions() {
  ComponentOptions options;
  options.soundOutput = [] { return std::make_unique<NullSoundOutput>(); };
  return options;
}

}  // namespace

HeadlessPlayer::HeadlessPlayer() : controller_(NullSoundOptions()) {
  controller_.Attach(&front_, &rear_);
  controller_.SourceReadMode = 0;
}

bool HeadlessPlayer::Open(const std::string& command, const std::string& path, std::ostream& err) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    err << "motrevix-cli " << command << ": " << path << ": no such file\n";
    return false;
  }
  av_log_set_level(AV_LOG_ERROR);  // the library's notes on odd streams are not for the user
  if (!controller_.Open(path)) {
    err << "motrevix-cli " << command << ": " << path << ": not a playable recording\n";
    return false;
  }
  return true;
}

}  // namespace motrevix::cli
