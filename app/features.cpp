// The one place where the main window installs its features: each registers its
// commands with the command router and adds its read-outs. A new feature adds
// its line here.
#include "app/camera_dialogs.h"
#include "app/sample_player_dlg.h"
#include "app/thumbnail_feature.h"

namespace motrevix {

void CSamplePlayerDlg::InstallFeatures() {
  InstallTransportCommands();
  InstallSliderHandlers();
  InstallWindowCommands();
  InstallPaneCommands();
  InstallPictureCommands();
  InstallCameraDialogs(*this);
  InstallTelemetryDisplay();
  // The folder of the last listing; the backdrop is a plain one until the skin's is there.
  AddFeature(std::make_shared<CThumbnailFeature>(
      *this, CThumbnailFeature::Sources{{}, [this] { return m_strCurrentFolder; }}));
}

void CSamplePlayerDlg::AddReadout(std::unique_ptr<ITelemetryReadout> readout) {
  m_readouts.push_back(std::move(readout));
}

}  // namespace motrevix
