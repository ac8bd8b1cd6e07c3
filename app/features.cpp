// The one place where the main window installs its features: each registers its
// commands with the command router and adds its read-outs. A new feature adds
// its line here.
#include "app/camera_dialogs.h"
#include "app/sample_player_dlg.h"
#include "app/thumbnail_feature.h"
#include "telemetry/gsensor_marker_readout.h"

namespace motrevix {

void CSamplePlayerDlg::InstallFeatures() {
  InstallTransportCommands();
  InstallSliderHandlers();
  InstallWindowCommands();
  InstallPaneCommands();
  InstallPictureCommands();
  InstallCameraDialogs(*this);
  AddReadout(std::make_unique<GSensorMarkerReadout>(m_pGSensorWnd));
  // The folder of the last listing; the skin's backdrop.
  AddFeature(std::make_shared<CThumbnailFeature>(
      *this, CThumbnailFeature::Sources{{}, [this] { return m_strCurrentFolder; }}));
}

void CSamplePlayerDlg::AddReadout(std::unique_ptr<ITelemetryReadout> readout) {
  m_readouts.push_back(std::move(readout));
}

}  // namespace motrevix
