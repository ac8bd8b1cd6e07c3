#pragma once
// Helpers shared by the test programs: scratch folders, the built programs,
// running a program without a shell, and ffprobe as an independent reader.

#include <filesystem>
#include <string>
#include <vector>

namespace motrevix::test {

// The lines of a text split at every newline, empty ones and the part after the
// last newline kept, so a test can index the lines of a file it compares.
std::vector<std::string> SplitLines(const std::string& text);

std::filesystem::path BinDir();
std::filesystem::path SourceDir();

// A new, empty folder for one test; named after the running test case (outside a
// test case, after the process).
std::filesystem::path ScratchDir();

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs a program with its arguments (no shell) and waits for it.
ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                  const std::filesystem::path& workingDir = {}, int timeoutMs = 120000);

// Runs one of the project's programs from the build's bin folder.
ProcessResult RunTool(const std::string& tool, const std::vector<std::string>& args,
                      const std::filesystem::path& workingDir = {});

struct ProbedStream {
  std::string codecType;  // "video", "audio", "subtitle", "data"
  std::string codecName;
  std::string profile;
  int width = 0;
  int height = 0;
  int sampleRate = 0;
  double durationSeconds = 0;
  long long frameCount = 0;  // counted packets when asked for
};

struct ProbedFile {
  bool ok = false;
  double durationSeconds = 0;
  std::vector<ProbedStream> streams;
};

// Reads a file's streams with ffprobe; countPackets also counts packets per stream.
ProbedFile Probe(const std::filesystem::path& file, bool countPackets = false);

}  // namespace motrevix::test
