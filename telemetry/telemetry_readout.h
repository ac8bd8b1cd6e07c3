#pragma once
// What the main window tells a telemetry read-out (speed digits, position and
// map, and the like): a recording was opened, the play position moved, the
// read-out is to go blank. The window owns its read-outs and calls each in turn
// at the points of the open procedure and the playback tick.

#include <cstdint>

namespace motrevix {

class CTextData;

class ITelemetryReadout {
 public:
  virtual ~ITelemetryReadout() = default;

  // The open procedure has read the recording's telemetry into data.
  virtual void RecordingOpened(const CTextData& data) { (void)data; }
  // The tick's speed read-out at the play position.
  virtual void ShowSpeed(std::int64_t positionMs) { (void)positionMs; }
  // The tick's lookup of the values at the play position.
  virtual void LookupTelemetry(std::int64_t positionMs) { (void)positionMs; }
  // The recording has no GPS records: the speed digits go blank.
  virtual void BlankSpeedDigits() {}
};

}  // namespace motrevix
