#pragma once
// Track export from the file list: the row's context menu offers the recording's
// telemetry as a GPX track and as CSV, written by the telemetry exporters to a
// file chosen through the prompt's save chooser. A recording without a valid GPS
// fix has the GPX entry greyed out; one without any telemetry record both.

namespace motrevix {

class CSamplePlayerDlg;

// The object name of the context menu while it is open.
inline constexpr const char* kTrackExportMenuName = "trackExportMenu";

void InstallTrackExport(CSamplePlayerDlg& window);

}  // namespace motrevix
