#include "tools/make_recording/recording_options.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>

#include "tools/frame_pattern/frame_pattern.h"

namespace motrevix::gen {
namespace {

bool ParseInt(const std::string& text, int low, int high, int& value) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  value = std::stoi(text);
  return value >= low && value <= high;
}

bool ParseSize(const std::string& text, PictureSize& size) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  return ParseInt(text.substr(0, x), pattern::kMinWidth, 4096, size.width) &&
         ParseInt(text.substr(x + 1), 16, 4096, size.height) && size.width % 2 == 0 &&
         size.height % 2 == 0;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::string UsageText() {
  return "Usage: make-recording --out FILE.AVI|FILE.MP4 [options]\n"
         "       make-recording --dir DIR [--prefix N] [--format AVI|MP4] [options]\n"
         "       make-recording --card DIR\n"
         "\n"
         "Writes RD-310 recordings: front and rear pictures with a readable frame mark,\n"
         "a tone, and the camera's telemetry track.\n"
         "\n"
         "  --out FILE             the recording to write (.AVI or .MP4)\n"
         "  --dir DIR              write into DIR, named from --start as the camera names it\n"
         "  --prefix P             name prefix with --dir (default N)\n"
         "  --format AVI|MP4       container with --dir (default AVI)\n"
         "  --channels 1|2         front only, or front and rear (default 2)\n"
         "  --video h264|mpeg4     picture coding (default h264)\n"
         "  --audio aac|pcm|none   sound (default aac; pcm only in .AVI)\n"
         "  --sound tone|clicks    a steady tone, or a quiet one with a click every second\n"
         "  --seconds N            length (default 3)\n"
         "  --fps N                frames per second (default 30)\n"
         "  --front WxH            front picture size (default 640x360)\n"
         "  --rear WxH             rear picture size (default 320x180)\n"
         "  --telemetry on|off     GPS and G-sensor track (default on)\n"
         "  --start \"YYYY-MM-DD HH:MM:SS\"  the camera's clock at the start (UTC+9)\n"
         "  --keyframe-seconds N   seconds between key frames (default 1)\n"
         "  --bumps MS,MS,...      G-sensor bumps at these times (default one at 60 %)\n"
         "  --card DIR             write a demo card (Normal, Event, PARK)\n"
         "  --help                 this text\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line, std::string& error) {
  RecordingOptions& r = line.recording;
  std::string format = "AVI";
  using Setter = std::function<bool(const std::string&)>;
  const std::map<std::string, Setter> setters = {
      {"--out",
       [&](const std::string& v) {
         r.outPath = v;
         return !v.empty();
       }},
      {"--dir",
       [&](const std::string& v) {
         line.outDir = v;
         return !v.empty();
       }},
      {"--card",
       [&](const std::string& v) {
         line.cardDir = v;
         return !v.empty();
       }},
      {"--prefix",
       [&](const std::string& v) {
         line.prefix = v;
         return !v.empty();
       }},
      {"--format",
       [&](const std::string& v) {
         format = Upper(v);
         return format == "AVI" || format == "MP4";
       }},
      {"--channels", [&](const std::string& v) { return ParseInt(v, 1, 2, r.channels); }},
      {"--video",
       [&](const std::string& v) {
         if (v == "h264")
           r.video = VideoCodec::H264;
         else if (v == "mpeg4")
           r.video = VideoCodec::Mpeg4;
         else
           return false;
         return true;
       }},
      {"--audio",
       [&](const std::string& v) {
         if (v == "aac")
           r.audio = AudioCodec::Aac;
         else if (v == "pcm")
           r.audio = AudioCodec::Pcm;
         else if (v == "none")
           r.audio = AudioCodec::None;
         else
           return false;
         return true;
       }},
      {"--sound",
       [&](const std::string& v) {
         if (v == "tone")
           r.sound = SoundPattern::Tone;
         else if (v == "clicks")
           r.sound = SoundPattern::Clicks;
         else
           return false;
         return true;
       }},
      {"--seconds", [&](const std::string& v) { return ParseInt(v, 1, 4 * 3600, r.seconds); }},
      {"--fps", [&](const std::string& v) { return ParseInt(v, 1, 60, r.fps); }},
      {"--front", [&](const std::string& v) { return ParseSize(v, r.front); }},
      {"--rear", [&](const std::string& v) { return ParseSize(v, r.rear); }},
      {"--keyframe-seconds",
       [&](const std::string& v) { return ParseInt(v, 1, 60, r.keyframeSeconds); }},
      {"--telemetry",
       [&](const std::string& v) {
         r.telemetry = v == "on";
         return v == "on" || v == "off";
       }},
      {"--bumps",
       [&](const std::string& v) {
         r.bumpsMs.clear();
         std::size_t from = 0;
         while (from <= v.size()) {
           const std::size_t comma = std::min(v.find(',', from), v.size());
           int ms = 0;
           if (!ParseInt(v.substr(from, comma - from), 0, 4 * 3600 * 1000, ms)) return false;
           r.bumpsMs.push_back(ms);
           from = comma + 1;
         }
         return true;
       }},
      {"--start",
       [&](const std::string& v) {
         auto t = ParseCivilTime(v);
         if (t) r.start = *t;
         return t.has_value();
       }},
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--help" || name == "-h") {
      line.help = true;
      return true;
    }
    auto setter = setters.find(name);
    if (setter == setters.end()) {
      error = "unknown option '" + name + "'";
      return false;
    }
    if (i + 1 >= args.size()) {
      error = "option " + name + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (!setter->second(value)) {
      error = "bad value '" + value + "' for " + name;
      return false;
    }
  }

  if (!line.cardDir.empty()) return true;
  if (r.outPath.empty() == line.outDir.empty()) {
    error = "give either --out FILE or --dir DIR (or --card DIR)";
    return false;
  }
  if (!line.outDir.empty()) {
    r.container = format == "MP4" ? Container::Mp4 : Container::Avi;
    r.outPath = line.outDir + "/" + CameraFileName(line.prefix, r.start, r.container);
  } else {
    const std::string ext =
        r.outPath.size() >= 4 ? Upper(r.outPath.substr(r.outPath.size() - 4)) : std::string();
    if (ext == ".AVI")
      r.container = Container::Avi;
    else if (ext == ".MP4")
      r.container = Container::Mp4;
    else {
      error = "the output file must end in .AVI or .MP4";
      return false;
    }
  }
  if (r.container == Container::Mp4 && r.audio == AudioCodec::Pcm) {
    error = "PCM sound can be written to .AVI recordings only";
    return false;
  }
  for (int ms : r.bumpsMs) {
    if (ms > r.seconds * 1000) {
      error = "a --bumps time lies after the end of the recording";
      return false;
    }
  }
  if (static_cast<long>(r.seconds) * r.fps > pattern::kMaxFrameNumber + 1) {
    error = "too many frames for the frame mark; lower --seconds or --fps";
    return false;
  }
  return true;
}

std::string CameraFileName(const std::string& prefix, const CivilTime& start, Container container) {
  char name[64];
  std::snprintf(name, sizeof name, "_%04d_%02d_%02d_%02d_%02d_%02d.%s", start.year, start.month,
                start.day, start.hour, start.minute, start.second,
                container == Container::Mp4 ? "MP4" : "AVI");
  return prefix + name;
}

}  // namespace motrevix::gen
