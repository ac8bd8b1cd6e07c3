#pragma once
// A main window under test: its own settings file, prompts answered by a
// RecordingPrompt, the Internet check forced, and small generated recordings.

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/sample_player_dlg.h"
#include "catalog/recording_entry.h"
#include "telemetry/telemetry_readout.h"
#include "tests/support/recording_prompt.h"

namespace motrevix::test {

// What a read-out of the main window was told, in order.
struct ReadoutCalls {
  int opened = 0;
  std::vector<std::int64_t> speeds;
  std::vector<std::int64_t> lookups;
  int blanked = 0;
};

class CallRecordingReadout : public ITelemetryReadout {
 public:
  explicit CallRecordingReadout(ReadoutCalls& calls) : calls_(calls) {}
  void RecordingOpened(const CTextData&) override { ++calls_.opened; }
  void ShowSpeed(std::int64_t positionMs) override { calls_.speeds.push_back(positionMs); }
  void LookupTelemetry(std::int64_t positionMs) override { calls_.lookups.push_back(positionMs); }
  void BlankSpeedDigits() override { ++calls_.blanked; }

 private:
  ReadoutCalls& calls_;
};

struct RecordingKind {
  int channels = 2;
  bool telemetry = true;
  int seconds = 1;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void ResetProcessState();

  // Makes a recording in the scratch folder (named after index) and returns its path.
  std::filesystem::path MakeRecording(const RecordingKind& kind, const std::string& name);
  // A file named like a recording that is none.
  std::filesystem::path MakeBrokenRecording(const std::string& name);
  // Closes the window and resets the process-wide values, so that the next
  // Window() starts as at the beginning of the test (the scratch files stay).
  void StartOver();
  // Creates the window (once per test, or once after StartOver) with the given options.
  CSamplePlayerDlg& Window(MainWindowOptions options = {});
  // Rows for paths, in the order given.
  void ListFiles(const std::vector<std::filesystem::path>& files, const QString& folder = {});

  std::filesystem::path scratch_;
  RecordingPrompt prompt_;
  std::unique_ptr<CSamplePlayerDlg> window_;
};

}  // namespace motrevix::test
