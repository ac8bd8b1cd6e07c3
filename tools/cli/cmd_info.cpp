// motrevix-cli info FILE [--json]: opens a recording through the playback
// controller, as the viewer does, and tells what it holds.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <ostream>

#include "tools/cli/cli_commands.h"
#include "tools/cli/headless_player.h"

namespace motrevix::cli {
namespace {

constexpr const char* kInfoUsage = "Usage: motrevix-cli info FILE [--json]\n";

}  // namespace

int RunInfo(const Args& args, std::ostream& out, std::ostream& err) {
  std::string path;
  bool json = false;
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kInfoUsage;
      return 0;
    }
    if (arg == "--json") {
      json = true;
    } else if (!arg.empty() && arg[0] == '-') {
      err << "motrevix-cli info: unknown option '" << arg << "'\n" << kInfoUsage;
      return kUsageError;
    } else if (path.empty()) {
      path = arg;
    } else {
      err << "motrevix-cli info: more than one file\n" << kInfoUsage;
      return kUsageError;
    }
  }
  if (path.empty()) {
    err << kInfoUsage;
    return kUsageError;
  }
  HeadlessPlayer player;
  if (!player.Open("info", path, err)) return 1;
  CPlaybackController& controller = player.Controller();
  CPlaybackGraph& graph = *controller.Graph();
  const int channels = graph.GetChannelCount();
  const std::int64_t durationMs = controller.GetDurationMs();
  const bool telemetry = graph.HasTelemetryTrack();

  if (json) {
    QJsonObject root;
    root["file"] = QString::fromStdString(path);
    root["channels"] = channels;
    root["audioCode"] = graph.GetAudioCode();
    root["durationMs"] = static_cast<qint64>(durationMs);
    QJsonArray video;
    for (int channel = 1; channel <= channels; ++channel) {
      const VideoChannelInfo info = graph.GetVideoInfo(channel);
      QJsonObject entry;
      entry["channel"] = channel;
      entry["codec"] = QString::fromStdString(info.codec);
      entry["width"] = info.width;
      entry["height"] = info.height;
      video.append(entry);
    }
    root["video"] = video;
    root["telemetry"] = telemetry;
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
  } else {
    out << "file: " << path << "\n"
        << "channels: " << channels << "\n"
        << "audio code: " << graph.GetAudioCode() << "\n"
        << "duration ms: " << durationMs << "\n";
    for (int channel = 1; channel <= channels; ++channel) {
      const VideoChannelInfo info = graph.GetVideoInfo(channel);
      out << "channel " << channel << ": " << info.codec << " " << info.width << "x" << info.height
          << "\n";
    }
    out << "telemetry: " << (telemetry ? "yes" : "no") << "\n";
  }
  controller.Close();
  return 0;
}

}  // namespace motrevix::cli
