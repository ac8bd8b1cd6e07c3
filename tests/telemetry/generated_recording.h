#pragma once
// Small recordings written by make-recording for the telemetry tests.

#include <filesystem>
#include <string>
#include <vector>

namespace motrevix::test {

// Writes dir/name with make-recording: one tiny channel, the given seconds and
// any extra arguments. Fails the running test when the generator fails.
std::filesystem::path MakeRecording(const std::filesystem::path& dir, const std::string& name,
                                    int seconds, const std::vector<std::string>& extra = {});

}  // namespace motrevix::test
