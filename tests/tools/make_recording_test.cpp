// The recording generator, checked with FFmpeg's own programs as independent readers.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <optional>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "tools/frame_pattern/frame_pattern.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;

struct GeneratorCase {
  const char* name;
  const char* file;
  std::vector<std::string> options;
  int channels;
  const char* videoCodec;
  const char* audioCodec;     // "" when there is no sound
  const char* telemetryType;  // "" when there is no telemetry
};

const GeneratorCase kCases[] = {
    {"Mp4TwoH264Aac",
     "x.MP4",
     {"--channels", "2", "--video", "h264", "--audio", "aac"},
     2,
     "h264",
     "aac",
     "subtitle"},
    {"AviTwoMpeg4Pcm",
     "x.AVI",
     {"--channels", "2", "--video", "mpeg4", "--audio", "pcm"},
     2,
     "mpeg4",
     "pcm_s16le",
     "unknown"},
    {"AviOneH264NoTelemetry",
     "x.AVI",
     {"--channels", "1", "--video", "h264", "--telemetry", "off"},
     1,
     "h264",
     "aac",
     ""},
    {"Mp4OneMpeg4Silent",
     "x.MP4",
     {"--channels", "1", "--video", "mpeg4", "--audio", "none"},
     1,
     "mpeg4",
     "",
     "subtitle"},
    {"AviTwoH264Silent",
     "x.AVI",
     {"--audio", "none", "--telemetry", "on"},
     2,
     "h264",
     "",
     "unknown"},
};

void PrintTo(const GeneratorCase& c, std::ostream* os) { *os << c.name; }

class GeneratorStreams : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorStreams, FfprobeSeesTheStreamsAndTheLength) {
  const GeneratorCase& c = GetParam();
  const fs::path out = ScratchDir() / c.file;
  std::vector<std::string> args = {"--out",   out.string(), "--seconds", "2",
                                   "--front", "320x240",    "--rear",    "160x120"};
  args.insert(args.end(), c.options.begin(), c.options.end());
  const ProcessResult run = RunTool("make-recording", args);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const ProbedFile probed = Probe(out);
  ASSERT_TRUE(probed.ok);
  EXPECT_NEAR(probed.durationSeconds, 2.0, 0.1);
  std::vector<ProbedStream> video, audio, telemetry;
  for (const auto& s : probed.streams) {
    if (s.codecType == "video")
      video.push_back(s);
    else if (s.codecType == "audio")
      audio.push_back(s);
    else
      telemetry.push_back(s);
  }
  ASSERT_EQ(static_cast<int>(video.size()), c.channels);
  EXPECT_EQ(video[0].codecName, c.videoCodec);
  EXPECT_EQ(video[0].width, 320);
  EXPECT_EQ(video[0].height, 240);
  if (c.channels == 2) {
    EXPECT_EQ(video[1].width, 160);
    EXPECT_EQ(video[1].height, 120);
  }
  if (std::string(c.videoCodec) == "mpeg4") {
    EXPECT_EQ(video[0].profile, "Simple Profile");
  }
  ASSERT_EQ(audio.size(), std::string(c.audioCodec).empty() ? 0u : 1u);
  if (!audio.empty()) {
    EXPECT_EQ(audio[0].codecName, c.audioCodec);
  }
  ASSERT_EQ(telemetry.size(), std::string(c.telemetryType).empty() ? 0u : 1u);
  if (!telemetry.empty()) {
    EXPECT_EQ(telemetry[0].codecType, c.telemetryType);
  }
  // Streams come in the camera's order: video, then sound, then telemetry.
  EXPECT_EQ(probed.streams.front().codecType, "video");
  if (!telemetry.empty()) {
    EXPECT_EQ(probed.streams.back().codecType, c.telemetryType);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneratorStreams, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Decodes one picture of one video stream with ffmpeg into an 8-bit grey plane.
std::optional<pattern::FrameMark> MarkOfDecodedFrame(const fs::path& file, int stream, int frame,
                                                     int width, int height) {
  const ProcessResult run =
      Run("ffmpeg", {"-v", "error", "-i", file.string(), "-map", "0:v:" + std::to_string(stream),
                     "-vf", "select=eq(n\\," + std::to_string(frame) + ")", "-frames:v", "1", "-f",
                     "rawvideo", "-pix_fmt", "gray", "-"});
  if (run.exitCode != 0 || static_cast<int>(run.out.size()) != width * height) return std::nullopt;
  return pattern::ReadMark(reinterpret_cast<const std::uint8_t*>(run.out.data()), width, width,
                           height);
}

TEST(GeneratorPictures, FrameMarkReadsBackFromDecodedPictures) {
  const fs::path dir = ScratchDir();
  for (const char* codec : {"h264", "mpeg4"}) {
    const fs::path out = dir / (std::string(codec) + ".AVI");
    ASSERT_EQ(RunTool("make-recording", {"--out", out.string(), "--video", codec, "--seconds", "1",
                                         "--fps", "25", "--front", "320x240", "--rear", "160x96"})
                  .exitCode,
              0);
    for (int frame : {0, 1, 13, 24}) {
      const auto front = MarkOfDecodedFrame(out, 0, frame, 320, 240);
      const auto rear = MarkOfDecodedFrame(out, 1, frame, 160, 96);
      ASSERT_TRUE(front && rear) << codec << " frame " << frame;
      EXPECT_EQ(*front, (pattern::FrameMark{frame, pattern::Channel::Front})) << codec;
      EXPECT_EQ(*rear, (pattern::FrameMark{frame, pattern::Channel::Rear})) << codec;
    }
  }
}

struct TrackRecord {
  long long timeMs;
  std::string bytes;
};

std::string BytesOfHexDump(const std::string& dump) {
  // ffprobe's -show_data: lines of "00000000: 4d80 7f40 ...  ascii", the hex in
  // the 40 columns after the offset.
  std::string bytes;
  std::size_t start = 0;
  while (start < dump.size()) {
    std::size_t end = dump.find('\n', start);
    if (end == std::string::npos) end = dump.size();
    const std::string line = dump.substr(start, end - start);
    start = end + 1;
    if (line.size() < 10 || line[8] != ':') continue;
    std::string digits;
    for (char ch : line.substr(10, 40))
      if (std::isxdigit(static_cast<unsigned char>(ch))) digits += ch;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
      bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

// The telemetry records of a file as ffprobe sees its packets.
std::vector<TrackRecord> TrackOf(const fs::path& file, bool mp4) {
  const ProcessResult run =
      Run("ffprobe", {"-v", "error", "-select_streams", mp4 ? "s" : "3", "-show_packets",
                      "-show_data", "-print_format", "json", file.string()});
  std::vector<TrackRecord> records;
  const auto root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  for (const auto& value : root["packets"].toArray()) {
    const QJsonObject packet = value.toObject();
    const std::string bytes = BytesOfHexDump(packet["data"].toString().toStdString());
    if (mp4) {
      const std::size_t length =
          (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
      if (length == 0) continue;  // filler sample
      EXPECT_EQ(length + 2, bytes.size());
      records.push_back({packet["pts"].toInteger(), bytes.substr(2)});
    } else {
      const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
      const long long time =
          b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<long long>(b[3]) << 24);
      records.push_back({time, bytes.substr(4)});
    }
  }
  return records;
}

TEST(GeneratorTelemetry, RecordsRoundTripThroughBothContainers) {
  const fs::path dir = ScratchDir();
  for (bool mp4 : {true, false}) {
    const fs::path out = dir / (mp4 ? "t.MP4" : "t.AVI");
    ASSERT_EQ(RunTool("make-recording",
                      {"--out", out.string(), "--seconds", "6", "--channels", "2", "--front",
                       "160x120", "--rear", "160x120", "--start", "2024-05-17 08:31:05"})
                  .exitCode,
              0);
    const std::vector<TrackRecord> records = TrackOf(out, mp4);
    ASSERT_EQ(records.size(), 66u) << (mp4 ? "MP4" : "AVI");

    std::vector<long long> gTimes, mTimes;
    int lostFixes = 0;
    int bumps = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const TrackRecord& r = records[i];
      if (i > 0) {
        EXPECT_GT(r.timeMs, records[i - 1].timeMs);
      }
      if (r.bytes[0] == 'G') {
        gTimes.push_back(r.timeMs);
        if (r.bytes.find(",V,") != std::string::npos)
          ++lostFixes;
        else
          EXPECT_TRUE(std::regex_match(
              r.bytes,
              std::regex(
                  R"(G,\d{6}\.\d{3},A,\d{4}\.\d{4},N,\d{5}\.\d{4},E,[0-9.]+,[0-9.]+,\d{6})")))
              << r.bytes;
      } else {
        ASSERT_EQ(r.bytes[0], 'M');
        ASSERT_EQ(r.bytes.size(), 4u);
        mTimes.push_back(r.timeMs);
        const int x = 128 - static_cast<unsigned char>(r.bytes[1]);
        if (x > 50) ++bumps;
      }
    }
    EXPECT_EQ(gTimes, (std::vector<long long>{0, 1000, 2000, 3000, 4000, 5000}));
    ASSERT_EQ(mTimes.size(), 60u);
    EXPECT_EQ(mTimes.front(), 50);
    EXPECT_EQ(mTimes.back(), 5950);
    EXPECT_EQ(lostFixes, 1);
    EXPECT_GE(bumps, 1);
    // The camera's clock is UTC+9: 08:31:05 on 17 May is 23:31:05 UTC on 16 May.
    EXPECT_EQ(records.front().bytes.substr(0, 13), "G,233105.000,");
    EXPECT_NE(records.front().bytes.find(",160524"), std::string::npos);
  }
}

TEST(GeneratorCommandLine, BadOptionsAreRefusedWithAMessage) {
  const fs::path dir = ScratchDir();
  const std::vector<std::vector<std::string>> bad = {
      {"--out", (dir / "a.MP4").string(), "--audio", "pcm"},
      {"--out", (dir / "a.MOV").string()},
      {"--out", (dir / "a.AVI").string(), "--front", "30x20"},
      {"--out", (dir / "a.AVI").string(), "--channels", "3"},
      {"--out", (dir / "a.AVI").string(), "--start", "2024-04-31 10:00:00"},
      {"--seconds", "2"},
      {"--out", (dir / "a.AVI").string(), "--colour", "red"},
      {"--out", (dir / "a.AVI").string(), "--bumps", "1000,"},
      {"--out", (dir / "a.AVI").string(), "--bumps", "-5"},
      {"--out", (dir / "a.AVI").string(), "--seconds", "3", "--bumps", "1000,3001"},
  };
  for (const auto& args : bad) {
    const ProcessResult run = RunTool("make-recording", args);
    EXPECT_EQ(run.exitCode, 2) << args[args.size() - 1];
    EXPECT_NE(run.err.find("make-recording: "), std::string::npos);
  }
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST(GeneratorCard, DemoCardAndCameraNames) {
  const fs::path dir = ScratchDir();
  ASSERT_EQ(RunTool("make-recording", {"--dir", dir.string(), "--prefix", "E", "--format", "MP4",
                                       "--seconds", "1", "--start", "2023-12-31 23:59:58"})
                .exitCode,
            0);
  EXPECT_TRUE(fs::exists(dir / "E_2023_12_31_23_59_58.MP4"));

  const fs::path card = dir / "card";
  const ProcessResult run = RunTool("make-recording", {"--card", card.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  int files = 0;
  std::set<std::string> days, hours, kinds;
  const std::regex name(R"(([NEP])_(\d{4})_(\d{2})_(\d{2})_(\d{2})_(\d{2})_(\d{2})\.(AVI|MP4))");
  for (const auto& folder : {"Normal", "Event", "PARK"}) {
    ASSERT_TRUE(fs::is_directory(card / folder));
    for (const auto& entry : fs::directory_iterator(card / folder)) {
      std::smatch m;
      const std::string file = entry.path().filename().string();
      ASSERT_TRUE(std::regex_match(file, m, name)) << file;
      ++files;
      days.insert(m[4]);
      hours.insert(m[5]);
      kinds.insert(m[8]);
      EXPECT_TRUE(Probe(entry.path()).ok) << file;
    }
  }
  EXPECT_GE(files, 12);
  EXPECT_EQ(days.size(), 2u);
  EXPECT_GE(hours.size(), 4u);
  EXPECT_EQ(kinds.size(), 2u);
}

}  // namespace
}  // namespace motrevix::test

namespace motrevix::test {
namespace {

// Reads bits of an MPEG-4 visual header, most significant first.
class BitReader {
 public:
  BitReader(const std::string& bytes, std::size_t start) : bytes_(bytes), bit_(start * 8) {}
  unsigned Read(int count) {
    unsigned value = 0;
    for (int i = 0; i < count; ++i, ++bit_) {
      const auto byte = static_cast<unsigned char>(bytes_.at(bit_ / 8));
      value = (value << 1) | ((byte >> (7 - bit_ % 8)) & 1);
    }
    return value;
  }

 private:
  const std::string& bytes_;
  std::size_t bit_;
};

// The camera's MPEG-4 visual: the video object layer says 1000 ticks a second.
TEST(GeneratorPictures, Mpeg4TimeResolutionIsOneThousand) {
  const fs::path out = ScratchDir() / "m.AVI";
  ASSERT_EQ(RunTool("make-recording", {"--out", out.string(), "--video", "mpeg4", "--seconds", "1",
                                       "--channels", "1", "--front", "160x120"})
                .exitCode,
            0);
  const ProcessResult es = motrevix::test::Run("ffmpeg", {"-v", "error", "-i", out.string(), "-map",
                                                          "0:v:0", "-c", "copy", "-f", "m4v", "-"});
  ASSERT_EQ(es.exitCode, 0) << es.err;
  std::size_t vol = std::string::npos;
  for (std::size_t i = 0; i + 4 < es.out.size(); ++i)
    if (es.out.compare(i, 3, std::string("\0\0\1", 3)) == 0 &&
        (static_cast<unsigned char>(es.out[i + 3]) & 0xF0) == 0x20) {
      vol = i + 4;
      break;
    }
  ASSERT_NE(vol, std::string::npos) << "no video object layer header";
  BitReader bits(es.out, vol);
  bits.Read(1);                           // random accessible
  EXPECT_EQ(bits.Read(8), 1u);            // simple object type
  if (bits.Read(1)) bits.Read(7);         // object layer identifier
  if (bits.Read(4) == 15) bits.Read(16);  // aspect ratio
  if (bits.Read(1)) {                     // control parameters
    bits.Read(2);                         // chroma format
    EXPECT_EQ(bits.Read(1), 1u);          // low delay: no B-frames
    if (bits.Read(1))
      for (int i = 0; i < 79; ++i) bits.Read(1);
  }
  EXPECT_EQ(bits.Read(2), 0u);  // rectangular
  EXPECT_EQ(bits.Read(1), 1u);  // marker
  EXPECT_EQ(bits.Read(16), 1000u);
}

}  // namespace
}  // namespace motrevix::test

namespace motrevix::test {
namespace {

// Picture n of every stream is at n / fps seconds, whatever the sound's encoder
// delay (an AVI has no edit list to hide it).
TEST(GeneratorPictures, PicturesAreAtTheirFrameTimes) {
  const fs::path dir = ScratchDir();
  for (const char* file : {"p.AVI", "p.MP4"}) {
    for (const char* codec : {"h264", "mpeg4"}) {
      const fs::path out = dir / (std::string(codec) + file);
      ASSERT_EQ(RunTool("make-recording",
                        {"--out", out.string(), "--video", codec, "--seconds", "1", "--fps", "25",
                         "--front", "160x120", "--rear", "160x120", "--audio", "aac"})
                    .exitCode,
                0);
      for (const char* stream : {"v:0", "v:1"}) {
        const ProcessResult run = motrevix::test::Run(
            "ffprobe", {"-v", "error", "-select_streams", stream, "-show_entries",
                        "packet=pts_time,dts_time", "-of", "csv=p=0", out.string()});
        ASSERT_EQ(run.exitCode, 0);
        std::vector<double> times;
        std::size_t start = 0;
        for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos;
             start = end + 1) {
          // "pts,dts"; AVI packets carry only a decode time.
          const std::string line = run.out.substr(start, end - start);
          const std::string pts = line.substr(0, line.find(','));
          times.push_back(std::stod(pts == "N/A" ? line.substr(line.find(',') + 1) : pts));
        }
        ASSERT_EQ(times.size(), 25u) << out << " " << stream;
        for (std::size_t n = 0; n < times.size(); ++n)
          EXPECT_NEAR(times[n], n / 25.0, 0.0015) << out << " " << stream << " picture " << n;
      }
    }
  }
}

}  // namespace
}  // namespace motrevix::test
