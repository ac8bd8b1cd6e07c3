// The one place where the main window installs its features: each registers its
// commands with the command router and adds its read-outs. A new feature adds
// its line here.
#include "app/camera_dialogs.h"
#include "app/file_list_commands.h"
#include "app/sample_player_dlg.h"
#include "app/source_choice.h"
#include "app/thumbnail_feature.h"
#include "catalog/catalog_globals.h"
#include "telemetry/gsensor_marker_readout.h"

namespace motrevix {

void CSamplePlayerDlg::InstallFeatures() {
  InstallTransportCommands();
  InstallSliderHandlers();
  InstallWindowCommands();
  InstallPaneCommands();
  InstallPictureCommands();
  InstallCameraDialogs(*this);
  InstallSourceChoice(*this);
  InstallFileListCommands(*this);
  AddReadout(std::make_unique<GSensorMarkerReadout>(m_pGSensorWnd));
  // The folder of the last listing; the backdrop is a plain one until the skin's is there.
  AddFeature(std::make_shared<CThumbnailFeature>(
      *this, CThumbnailFeature::Sources{{}, [] { return catalog::g_strLastListedFolder; }}));
}

void CSamplePlayerDlg::AddReadout(std::unique_ptr<ITelemetryReadout> readout) {
  m_readouts.push_back(std::move(readout));
}

}  // namespace motrevix
