// motrevix-cli play FILE [--rate R]: plays a whole recording through the viewer's
// graph with headless surfaces and no sound device, and reports what was shown.
#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "tools/cli/cli_commands.h"
#include "tools/cli/headless_player.h"

namespace motrevix::cli {
namespace {

constexpr const char* kPlayUsage = "Usage: motrevix-cli play FILE [--rate R]\n";

bool ParseRate(const std::string& text, float& rate) {
  try {
    std::size_t used = 0;
    rate = std::stof(text, &used);
    return used == text.size() && rate > 0;
  } catch (...) {
    return false;
  }
}

}  // namespace

int RunPlay(const Args& args, std::ostream& out, std::ostream& err) {
  std::string path;
  float rate = 1.0f;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      out << kPlayUsage;
      return 0;
    }
    if (arg == "--rate") {
      if (i + 1 >= args.size() || !ParseRate(args[i + 1], rate)) {
        err << "motrevix-cli play: --rate needs a positive number\n" << kPlayUsage;
        return kUsageError;
      }
      ++i;
    } else if (!arg.empty() && arg[0] == '-') {
      err << "motrevix-cli play: unknown option '" << arg << "'\n" << kPlayUsage;
      return kUsageError;
    } else if (path.empty()) {
      path = arg;
    } else {
      err << "motrevix-cli play: more than one file\n" << kPlayUsage;
      return kUsageError;
    }
  }
  if (path.empty()) {
    err << kPlayUsage;
    return kUsageError;
  }
  HeadlessPlayer player;
  if (!player.Open("play", path, err)) return 1;
  CPlaybackController& controller = player.Controller();
  CPlaybackGraph& graph = *controller.Graph();
  const std::int64_t durationMs = controller.GetDurationMs();
  graph.SetRequestedRate(rate);
  const auto started = std::chrono::steady_clock::now();
  graph.Run();
  // The position reaches the duration with the clock; the counts are read once
  // every renderer has also shown its last picture (or a second later, when a
  // stream never ends). A stuck stream ends by time.
  const double effective = graph.GetRate();
  const auto limit =
      std::chrono::milliseconds(static_cast<long long>(durationMs / effective) * 2 + 10000);
  bool ended = false;
  std::optional<std::chrono::steady_clock::time_point> clockAtEnd;
  while (std::chrono::steady_clock::now() - started < limit) {
    const auto now = std::chrono::steady_clock::now();
    if (controller.GetPositionMs() >= durationMs && !clockAtEnd) clockAtEnd = now;
    if (clockAtEnd && (graph.ReachedEnd() || now - *clockAtEnd > std::chrono::seconds(1))) {
      ended = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  graph.Pause();
  out << "file: " << path << "\n"
      << "rate: " << effective << "\n"
      << "duration ms: " << durationMs << "\n";
  for (int channel = 1; channel <= graph.GetChannelCount(); ++channel)
    out << "channel " << channel << ": presented " << graph.PresentedFrames(channel) << " dropped "
        << graph.DroppedFrames(channel) << "\n";
  out << "wall seconds: " << wall << "\n";
  controller.Close();
  if (!ended) {
    err << "motrevix-cli play: " << path << ": playback did not reach the end\n";
    return 1;
  }
  return 0;
}

}  // namespace motrevix::cli
