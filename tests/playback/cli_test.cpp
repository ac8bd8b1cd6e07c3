// motrevix-cli info and play on generated recordings and on files made by ffmpeg.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>

#include "tests/playback/recordings.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;

fs::path Foreign(const std::string& name, const std::vector<std::string>& encode) {
  const fs::path file = ScratchDir() / name;
  std::vector<std::string> args = {"-v", "error",
                                   "-f", "lavfi",
                                   "-i", "testsrc=size=176x144:rate=25:duration=1",
                                   "-f", "lavfi",
                                   "-i", "sine=frequency=440:duration=1"};
  args.insert(args.end(), encode.begin(), encode.end());
  args.push_back(file.string());
  const ProcessResult made = Run("ffmpeg", args);
  EXPECT_EQ(made.exitCode, 0) << made.err;
  return file;
}

TEST(CliInfo, DescribesAGeneratedRecording) {
  UseScratchSettings();
  const fs::path file = Recording({"MP4", 2, "h264", "aac"});
  const ProcessResult text = RunTool("motrevix-cli", {"info", file.string()});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_NE(text.out.find("channels: 2\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("audio code: 1\n"), std::string::npos);
  EXPECT_NE(text.out.find("duration ms: 2000\n"), std::string::npos);
  EXPECT_NE(text.out.find("channel 1: h264 160x120\n"), std::string::npos);
  EXPECT_NE(text.out.find("channel 2: h264 160x120\n"), std::string::npos);
  EXPECT_NE(text.out.find("telemetry: yes\n"), std::string::npos);
  EXPECT_EQ(text.err, "");

  const ProcessResult json = RunTool("motrevix-cli", {"info", file.string(), "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
  EXPECT_EQ(root["channels"].toInt(), 2);
  EXPECT_EQ(root["audioCode"].toInt(), 1);
  EXPECT_EQ(root["durationMs"].toInteger(), 2000);
  EXPECT_TRUE(root["telemetry"].toBool());
  const QJsonArray video = root["video"].toArray();
  ASSERT_EQ(video.size(), 2);
  EXPECT_EQ(video[1].toObject()["codec"].toString(), "h264");
  EXPECT_EQ(video[1].toObject()["width"].toInt(), 160);
}

TEST(CliInfo, DescribesFilesMadeByFfmpeg) {
  UseScratchSettings();
  const struct {
    std::string name;
    std::vector<std::string> encode;
    std::string expected;
  } cases[] = {
      {"foreign.mp4",
       {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"},
       "channels: 1\naudio code: 1\nduration ms: 10"},
      {"foreign.avi", {"-c:v", "mpeg4", "-c:a", "pcm_s16le"}, "channels: 1\naudio code: 1001\n"},
      {"silent.mp4",
       {"-map", "0:v", "-c:v", "libx264", "-pix_fmt", "yuv420p"},
       "channels: 1\naudio code: 0\n"},
  };
  for (const auto& c : cases) {
    const ProcessResult info =
        RunTool("motrevix-cli", {"info", Foreign(c.name, c.encode).string()});
    ASSERT_EQ(info.exitCode, 0) << c.name << info.err;
    EXPECT_NE(info.out.find(c.expected), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("176x144\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("telemetry: no\n"), std::string::npos) << info.out;
  }
}

TEST(CliInfo, RefusesWhatItCannotOpen) {
  UseScratchSettings();
  const fs::path dir = ScratchDir();
  std::ofstream(dir / "notes.AVI") << "not a recording";
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string message;
  } cases[] = {
      {{"info", (dir / "missing.AVI").string()}, 1, "no such file"},
      {{"info", (dir / "notes.AVI").string()}, 1, "not a playable recording"},
      {{"info"}, 2, "Usage: motrevix-cli info"},
      {{"info", "a", "b"}, 2, "more than one file"},
      {{"info", "--frames", "a"}, 2, "unknown option"},
      {{"play", (dir / "notes.AVI").string()}, 1, "not a playable recording"},
      {{"play", "x.AVI", "--rate"}, 2, "--rate needs a positive number"},
      {{"play", "x.AVI", "--rate", "fast"}, 2, "--rate needs a positive number"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = RunTool("motrevix-cli", c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back();
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

int Count(const std::string& out, const std::string& key) {
  const auto at = out.find(key);
  return at == std::string::npos ? -1 : std::stoi(out.substr(at + key.size()));
}

TEST(CliPlay, PlaysAGeneratedRecordingWithoutDrops) {
  UseScratchSettings();
  const ProcessResult run =
      RunTool("motrevix-cli", {"play", Recording({"AVI", 2, "h264", "aac"}).string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Count(run.out, "channel 1: presented "), 60) << run.out;
  EXPECT_EQ(Count(run.out, "channel 2: presented "), 60) << run.out;
  EXPECT_NE(run.out.find("channel 1: presented 60 dropped 0\n"), std::string::npos) << run.out;
  const double wall = std::stod(run.out.substr(run.out.find("wall seconds: ") + 14));
  EXPECT_NEAR(wall, 2.09, 0.3);
}

TEST(CliPlay, PlaysAForeignFileAtDoubleRate) {
  UseScratchSettings();
  const fs::path file =
      Foreign("foreign.mp4", {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"});
  const ProcessResult run = RunTool("motrevix-cli", {"play", file.string(), "--rate", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("rate: 2\n"), std::string::npos) << run.out;
  const int presented = Count(run.out, "channel 1: presented ");
  const int dropped = Count(run.out, " dropped ");
  EXPECT_EQ(presented + dropped, 25) << run.out;
  EXPECT_GE(presented, 20);
  const double wall = std::stod(run.out.substr(run.out.find("wall seconds: ") + 14));
  EXPECT_NEAR(wall, 0.5, 0.25);
}

}  // namespace
}  // namespace motrevix::test
