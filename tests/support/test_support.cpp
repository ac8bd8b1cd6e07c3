#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdlib>

#include "tests/support/child_process.h"

namespace motrevix::test {
namespace fs = std::filesystem;

namespace {
fs::path FromEnv(const char* name, const fs::path& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? fs::path(value) : fallback;
}
}  // namespace

fs::path BinDir() { return FromEnv("MOTREVIX_BIN_DIR", fs::current_path() / "bin"); }
fs::path SourceDir() { return FromEnv("MOTREVIX_SOURCE_DIR", fs::current_path()); }

fs::path ScratchDir() {
  fs::path root = FromEnv("MOTREVIX_TEST_TMP", fs::temp_directory_path() / "motrevix-tests");
  // Outside a test case (suite set-up), several test processes may run at once:
  // the process id keeps their folders apart.
  std::string name = "scratch-" + std::to_string(getpid());
  if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
    name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
  }
  fs::path dir = root / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                  const fs::path& workingDir, int timeoutMs) {
  const ChildResult child = RunChild(program, args, workingDir.string(), timeoutMs);
  ProcessResult result;
  if (!child.started) {
    result.err = "could not start " + program + ": " + child.startError;
    return result;
  }
  if (child.timedOut) {
    result.err = "timed out: " + program;
    return result;
  }
  result.out = child.out;
  result.err = child.err;
  result.exitCode = child.exitCode;
  return result;
}

ProcessResult RunTool(const std::string& tool, const std::vector<std::string>& args,
                      const fs::path& workingDir) {
  return Run((BinDir() / tool).string(), args, workingDir);
}

ProbedFile Probe(const fs::path& file, bool countPackets) {
  std::vector<std::string> args = {"-v",   "error",        "-print_format",
                                   "json", "-show_format", "-show_streams"};
  if (countPackets) args.push_back("-count_packets");
  args.push_back(file.string());
  ProcessResult run = Run("ffprobe", args);
  ProbedFile probed;
  if (run.exitCode != 0) return probed;
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  probed.ok = true;
  probed.durationSeconds = root["format"].toObject()["duration"].toString().toDouble();
  for (const auto& value : root["streams"].toArray()) {
    const QJsonObject s = value.toObject();
    ProbedStream stream;
    // ffprobe leaves codec_type out for a stream of unknown type (AVI data).
    stream.codecType = s["codec_type"].toString("unknown").toStdString();
    stream.codecName = s["codec_name"].toString().toStdString();
    stream.profile = s["profile"].toString().toStdString();
    stream.width = s["width"].toInt();
    stream.height = s["height"].toInt();
    stream.sampleRate = s["sample_rate"].toString().toInt();
    stream.durationSeconds = s["duration"].toString().toDouble();
    stream.frameCount = s["nb_read_packets"].toString().toLongLong();
    probed.streams.push_back(stream);
  }
  return probed;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace motrevix::test
