// The one place where the main window installs its features: each registers its
// commands with the command router and adds its read-outs. A new feature adds
// its line here.
#include "app/sample_player_dlg.h"
#include "telemetry/gsensor_marker_readout.h"

namespace motrevix {

void CSamplePlayerDlg::InstallFeatures() {
  InstallTransportCommands();
  InstallSliderHandlers();
  InstallWindowCommands();
  InstallPaneCommands();
  InstallPictureCommands();
  AddReadout(std::make_unique<GSensorMarkerReadout>(m_pGSensorWnd));
}

void CSamplePlayerDlg::AddReadout(std::unique_ptr<ITelemetryReadout> readout) {
  m_readouts.push_back(std::move(readout));
}

}  // namespace motrevix
