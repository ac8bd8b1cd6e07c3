#pragma once
// The G-sensor graph's position marker as a read-out: it follows the tick's
// lookups of the play position.

#include <QPointer>

#include "telemetry/gsensor_window.h"
#include "telemetry/telemetry_readout.h"

namespace motrevix {

class GSensorMarkerReadout : public ITelemetryReadout {
 public:
  explicit GSensorMarkerReadout(CGSensorDlg* window) : window_(window) {}
  void LookupTelemetry(std::int64_t positionMs) override {
    if (window_) window_->SetMarkerMs(positionMs);
  }

 private:
  QPointer<CGSensorDlg> window_;
};

}  // namespace motrevix
