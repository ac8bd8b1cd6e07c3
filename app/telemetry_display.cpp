#include "app/telemetry_display.h"

#include <algorithm>
#include <limits>

#include "app/app_globals.h"
#include "app/sample_player_dlg.h"
#include "app/skin_face_sets.h"
#include "skin/skin_store.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/map_view.h"
#include "telemetry/position_lookup.h"
#include "telemetry/speed_digits.h"
#include "telemetry/speed_readout_widget.h"
#include "telemetry/telemetry_globals.h"

namespace motrevix {

CTelemetryDisplay::CTelemetryDisplay(CSamplePlayerDlg& window, CSpeedReadoutWidget* speedDigits)
    : window_(window), speedDigits_(speedDigits) {}

void CTelemetryDisplay::RecordingOpened(const CTextData& data) {
  if (CGSensorDlg* graph = window_.GSensorWnd()) {
    graph->SetTextData(&data);
    graph->SetDurationMs(g_llDurationMs);
    graph->SetMarkerMs(0);
  }
  window_.MapPane()->SetTrack(TrackOfValidFixes(data.m_aGPS));
}

void CTelemetryDisplay::ShowSpeed(std::int64_t) {
  if (speedDigits_) speedDigits_->ShowCells(SpeedDigitCells(g_bSpeedValid != 0, g_dSpeed));
}

void CTelemetryDisplay::LookupTelemetry(std::int64_t positionMs) {
  const auto p = static_cast<std::uint32_t>(
      std::clamp<std::int64_t>(positionMs, 0, std::numeric_limits<std::uint32_t>::max()));
  if (const auto position =
          motrevix::LookupTelemetry(window_.TextData().m_aGPS, p, g_bSpeedInMiles != 0))
    window_.MapPane()->ExecuteScript(DrawCurrentCommand(*position));
  if (CGSensorDlg* graph = window_.GSensorWnd()) graph->SetMarkerMs(positionMs);
}

void CSamplePlayerDlg::InstallTelemetryDisplay() {
  auto* speedDigits = new CSpeedReadoutWidget(this);
  speedDigits->SetDigitStrip(SkinBitmap(kSpeedDigitStrip));
  if (m_pGSensorWnd != nullptr) m_pGSensorWnd->SetBackground(SkinBitmap(kGSensorBackground));
  speedDigits->show();
  m_pSpeedDigits = speedDigits;
  AddReadout(std::make_unique<CTelemetryDisplay>(*this, speedDigits));
}

void CTelemetryDisplay::BlankSpeedDigits() {
  if (speedDigits_) speedDigits_->ShowCells(kBlankSpeedCells);
}

}  // namespace motrevix
