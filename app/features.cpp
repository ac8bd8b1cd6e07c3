// The one place where the main window installs its features: each registers its
// commands with the command router and adds its read-outs. A new feature adds
// its line here.
#include "app/camera_dialogs.h"
#include "app/event_marks_readout.h"
#include "app/file_list_commands.h"
#include "app/keyboard_commands.h"
#include "app/report_feature.h"
#include "app/sample_player_dlg.h"
#include "app/snapshot_command.h"
#include "app/source_choice.h"
#include "app/thumbnail_feature.h"
#include "app/track_export.h"
#include "catalog/card_selection.h"
#include "catalog/catalog_globals.h"
#include "telemetry/telemetry_globals.h"

namespace motrevix {

void CSamplePlayerDlg::InstallFeatures() {
  InstallTransportCommands();
  InstallSliderHandlers();
  InstallWindowCommands();
  InstallPaneCommands();
  InstallPictureCommands();
  InstallCameraDialogs(*this);
  InstallTelemetryDisplay();
  InstallEventMarks(*this);
  InstallScreenModeCommands();
  InstallMagnifierCommand();
  InstallSourceChoice(*this);
  InstallFileListCommands(*this);
  InstallSnapshotCommand(*this);
  InstallKeyboardCommands(*this);
  // The report reads the owner file of the chosen card and the speed and position
  // the tick's lookup keeps.
  AddFeature(std::make_shared<CReportFeature>(
      *this,
      CReportFeature::Sources{
          [] { return catalog::g_bCardSelected != 0 ? catalog::g_szCardRoot : std::string(); },
          [] {
            return CReportFeature::Moment{g_dSpeed, g_dLatitude, g_dLongitude};
          }}));
  // The folder of the last listing; the skin's backdrop.
  AddFeature(std::make_shared<CThumbnailFeature>(
      *this, CThumbnailFeature::Sources{{}, [] { return catalog::g_strLastListedFolder; }}));
  // After the thumbnails: its list filter then sees the right double-click (the
  // preview) first and holds back the context menu the first click asked for.
  InstallTrackExport(*this);
}

void CSamplePlayerDlg::AddReadout(std::unique_ptr<ITelemetryReadout> readout) {
  m_readouts.push_back(std::move(readout));
}

}  // namespace motrevix
