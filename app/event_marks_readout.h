#pragma once
// The incidents of a recording on the progress slider: when a recording opens,
// the event marks of its G-sensor samples (telemetry/event_marks.h) go to the
// slider, which draws them on its track; Stop removes them.

namespace motrevix {

class CSamplePlayerDlg;

void InstallEventMarks(CSamplePlayerDlg& window);

}  // namespace motrevix
