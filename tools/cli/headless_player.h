#pragma once
// A playback controller on two headless surfaces and the null sound output, as
// the command-line tool uses it: the recording opens as it does in the viewer.

#include <ostream>
#include <string>

#include "playback/headless_video_surface.h"
#include "playback/playback_controller.h"

namespace motrevix::cli {

class HeadlessPlayer {
 public:
  HeadlessPlayer();

  // Opens the recording; false after telling `err` why, as "motrevix-cli COMMAND: ...".
  bool Open(const std::string& command, const std::string& path, std::ostream& err);

  CPlaybackController& Controller() { return controller_; }

 private:
  HeadlessVideoSurface front_;
  HeadlessVideoSurface rear_;
  // Declared after the surfaces: the controller closes before they go.
  CPlaybackController controller_;
};

}  // namespace motrevix::cli
