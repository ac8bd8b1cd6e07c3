#include "tests/app/window_fixture.h"

#include <cstdlib>

#include "app/app_globals.h"
#include "catalog/card_selection.h"
#include "catalog/catalog_globals.h"
#include "playback/sound_volume.h"
#include "telemetry/telemetry_globals.h"
#include "tests/support/test_support.h"

namespace motrevix::test {

void MainWindowTest::SetUp() {
  scratch_ = ScratchDir();
  setenv("MOTREVIX_SETTINGS_FILE", (scratch_ / "registry.ini").c_str(), 1);
  ResetProcessState();
}

void MainWindowTest::ResetProcessState() {
  ResetAppGlobals();
  catalog::ResetCatalogGlobals();
  catalog::ResetCardSelection();
  ResetViewGlobals();
  ResetTelemetryGlobals();
  ResetSoundVolume();
}

void MainWindowTest::TearDown() {
  window_.reset();
  unsetenv("MOTREVIX_SETTINGS_FILE");
}

std::filesystem::path MainWindowTest::MakeRecording(const RecordingKind& kind,
                                                    const std::string& name) {
  const std::filesystem::path file = scratch_ / name;
  const ProcessResult run =
      RunTool("make-recording",
              {"--out", file.string(), "--seconds", std::to_string(kind.seconds), "--channels",
               std::to_string(kind.channels), "--telemetry", kind.telemetry ? "on" : "off",
               "--front", "160x120", "--rear", "160x120", "--fps", "10"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return file;
}

std::filesystem::path MainWindowTest::MakeBrokenRecording(const std::string& name) {
  const std::filesystem::path file = scratch_ / name;
  FILE* out = std::fopen(file.c_str(), "w");
  std::fputs("RIFF but not a recording\n", out);
  std::fclose(out);
  return file;
}

void MainWindowTest::StartOver() {
  window_.reset();
  ResetProcessState();
}

CSamplePlayerDlg& MainWindowTest::Window(MainWindowOptions options) {
  if (!window_) {
    if (!options.forceOnline) options.forceOnline = false;
    window_ = std::make_unique<CSamplePlayerDlg>(prompt_, std::move(options));
  }
  return *window_;
}

void MainWindowTest::ListFiles(const std::vector<std::filesystem::path>& files,
                               const QString& folder) {
  catalog::RecordingRows rows;
  for (const auto& file : files) {
    catalog::RecordingEntry row;
    row.m_strName = QString::fromStdString(file.stem().string());
    row.m_strPath = QString::fromStdString(file.string());
    rows.push_back(row);
  }
  Window().SetListedRows(rows, folder);
}

}  // namespace motrevix::test
