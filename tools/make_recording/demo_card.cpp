#include "tools/make_recording/demo_card.h"

#include <filesystem>

#include "tools/make_recording/recording_writer.h"

namespace motrevix::gen {
namespace {

struct DemoRecording {
  const char* folder;
  const char* prefix;
  const char* start;
  Container container;
  int channels;
  VideoCodec video;
  AudioCodec audio;
  int seconds;
};

constexpr DemoRecording kDemoRecordings[] = {
    {"Normal", "N", "2024-05-17 08:31:05", Container::Avi, 2, VideoCodec::H264, AudioCodec::Aac, 8},
    {"Normal", "N", "2024-05-17 08:32:05", Container::Avi, 2, VideoCodec::H264, AudioCodec::Aac, 6},
    {"Normal", "N", "2024-05-17 09:05:40", Container::Avi, 1, VideoCodec::Mpeg4, AudioCodec::Pcm,
     5},
    {"Normal", "N", "2024-05-17 13:20:00", Container::Mp4, 2, VideoCodec::H264, AudioCodec::Aac, 5},
    {"Normal", "N", "2024-05-18 07:58:12", Container::Avi, 2, VideoCodec::Mpeg4, AudioCodec::Aac,
     6},
    {"Normal", "N", "2024-05-18 18:45:30", Container::Avi, 2, VideoCodec::H264, AudioCodec::Aac, 5},
    {"Normal", "N", "2024-05-18 18:46:30", Container::Mp4, 1, VideoCodec::H264, AudioCodec::Aac, 4},
    {"Event", "E", "2024-05-17 08:33:47", Container::Avi, 2, VideoCodec::H264, AudioCodec::Aac, 6},
    {"Event", "E", "2024-05-17 13:21:10", Container::Avi, 2, VideoCodec::Mpeg4, AudioCodec::Pcm, 5},
    {"Event", "E", "2024-05-18 18:47:02", Container::Mp4, 2, VideoCodec::H264, AudioCodec::Aac, 5},
    {"PARK", "P", "2024-05-17 22:10:00", Container::Avi, 1, VideoCodec::H264, AudioCodec::None, 4},
    {"PARK", "P", "2024-05-18 03:12:45", Container::Avi, 2, VideoCodec::H264, AudioCodec::Aac, 4},
};

}  // namespace

bool WriteDemoCard(const std::string& dir, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const char* folder : {"Normal", "Event", "PARK"}) {
    fs::create_directories(fs::path(dir) / folder, ec);
    if (ec) {
      error = "cannot create " + (fs::path(dir) / folder).string() + ": " + ec.message();
      return false;
    }
  }
  for (const auto& demo : kDemoRecordings) {
    RecordingOptions options;
    options.start = *ParseCivilTime(demo.start);
    options.container = demo.container;
    options.channels = demo.channels;
    options.video = demo.video;
    options.audio = demo.audio;
    options.seconds = demo.seconds;
    options.front = {640, 360};
    options.rear = {320, 180};
    options.outPath =
        (fs::path(dir) / demo.folder / CameraFileName(demo.prefix, options.start, demo.container))
            .string();
    if (!WriteRecording(options, error)) {
      error = options.outPath + ": " + error;
      return false;
    }
  }
  return true;
}

}  // namespace motrevix::gen
