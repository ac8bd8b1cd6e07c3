#include "app/event_marks_readout.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "platform/programming_check.h"
#include "skin/bit_slider.h"
#include "telemetry/event_marks.h"

namespace motrevix {
namespace {

class EventMarksReadout : public ITelemetryReadout {
 public:
  explicit EventMarksReadout(CBitSlider& progress) : progress_(progress) {}

  void RecordingOpened(const CTextData& data) override {
    // The progress slider's values are the recording's milliseconds.
    std::vector<int> values;
    for (std::int64_t ms : EventMarkTimes(data.m_aGSensor, g_llDurationMs))
      values.push_back(
          static_cast<int>(std::min<std::int64_t>(ms, std::numeric_limits<int>::max())));
    progress_.SetMarks(std::move(values));
  }

 private:
  CBitSlider& progress_;
};

}  // namespace

void InstallEventMarks(CSamplePlayerDlg& window) {
  auto* progress = qobject_cast<CBitSlider*>(window.Slider(kIdProgress));
  MOTREVIX_CHECK(progress != nullptr, "the progress slider is a bitmap slider");
  window.AddReadout(std::make_unique<EventMarksReadout>(*progress));
  QObject::connect(&window, &CSamplePlayerDlg::StopIssued, progress,
                   [progress] { progress->SetMarks({}); });
}

}  // namespace motrevix
