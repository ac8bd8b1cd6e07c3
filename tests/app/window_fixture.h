#pragma once
// A main window under test: its own settings file, prompts answered by a
// RecordingPrompt, the Internet check forced, and small generated recordings.

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/sample_player_dlg.h"
#include "catalog/recording_entry.h"
#include "platform/user_prompt.h"

namespace motrevix::test {

struct RecordingKind {
  int channels = 2;
  bool telemetry = true;
  int seconds = 1;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes a recording in the scratch folder (named after index) and returns its path.
  std::filesystem::path MakeRecording(const RecordingKind& kind, const std::string& name);
  // A file named like a recording that is none.
  std::filesystem::path MakeBrokenRecording(const std::string& name);
  // Creates the window (once per test) with the given options.
  CSamplePlayerDlg& Window(MainWindowOptions options = {});
  // Rows for paths, in the order given.
  void ListFiles(const std::vector<std::filesystem::path>& files, const QString& folder = {});

  std::filesystem::path scratch_;
  RecordingPrompt prompt_;
  std::unique_ptr<CSamplePlayerDlg> window_;
};

}  // namespace motrevix::test
