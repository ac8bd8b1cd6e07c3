#pragma once
// What the main window shows of the telemetry at the play position: the speed
// digits, the map's position marker and trip, and the G-sensor graph with its
// marker. The open procedure and the playback tick drive it as a read-out.

#include <QPointer>

#include "telemetry/telemetry_readout.h"

namespace motrevix {

class CSamplePlayerDlg;
class CSpeedReadoutWidget;

class CTelemetryDisplay : public ITelemetryReadout {
 public:
  CTelemetryDisplay(CSamplePlayerDlg& window, CSpeedReadoutWidget* speedDigits);

  void RecordingOpened(const CTextData& data) override;
  void ShowSpeed(std::int64_t positionMs) override;
  void LookupTelemetry(std::int64_t positionMs) override;
  void BlankSpeedDigits() override;

 private:
  CSamplePlayerDlg& window_;
  QPointer<CSpeedReadoutWidget> speedDigits_;
};

}  // namespace motrevix
