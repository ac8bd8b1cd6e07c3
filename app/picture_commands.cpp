// The picture controls: flip and mirror of both pictures, the brightness reset,
// the speed unit and the G-sensor window; and playback running on after a rear
// zoom step.
#include <QAbstractButton>
#include <QSignalBlocker>
#include <QSlider>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/skin_face_sets.h"
#include "playback/decoder_params.h"
#include "skin/skin_store.h"
#include "telemetry/gsensor_window.h"
#include "view/pane_state.h"
#include "view/video_hosts.h"
#include "view/view_globals.h"

namespace motrevix {

// The speed unit button's faces: km/h normal and mph pressed, or the other way.
constexpr FaceSet kSpeedUnitKmh{343, 344, 0, 0};
constexpr FaceSet kSpeedUnitMph{344, 343, 0, 0};

void CSamplePlayerDlg::InstallPictureCommands() {
  m_commands.Register(kIdFlipVertical, [this] { OnFlipOrMirror(kIdFlipVertical); });
  m_commands.Register(kIdMirror, [this] { OnFlipOrMirror(kIdMirror); });
  m_commands.Register(kIdBrightnessReset, [this] { OnBrightnessReset(); });
  m_commands.Register(kIdSpeedUnit, [this] { OnSpeedUnit(); });
  m_commands.Register(kIdGSensorWindow, [this] { OnGSensorWindow(); });
  m_pFrontHost->Surface()->onZoomStep = [this] { update(); };
  m_pRearHost->Surface()->onZoomStep = [this] { OnRearZoomStep(); };
}

void CSamplePlayerDlg::OnFlipOrMirror(int id) {
  CPlaybackGraph* graph = m_Player.Graph();
  if (graph == nullptr) return;
  const int checked = Button(id)->isChecked() ? 1 : 0;
  const int parameter = id == kIdFlipVertical ? kParamUpsideDown : kParamMirror;
  for (int channel = 1; channel <= 2; ++channel) {
    if (graph->GetDecoderParams(channel) == nullptr) continue;
    m_Player.SetDecoderParam(channel, kParamFlipOn, 1);
    m_Player.SetDecoderParam(channel, parameter, checked);
  }
}

void CSamplePlayerDlg::ApplyOrientation() {
  CPlaybackGraph* graph = m_Player.Graph();
  const bool upsideDown = Button(kIdFlipVertical)->isChecked();
  const bool mirrored = Button(kIdMirror)->isChecked();
  // A new decoder starts upright: only a checked button has anything to send.
  if (graph == nullptr || (!upsideDown && !mirrored)) return;
  for (int channel = 1; channel <= 2; ++channel) {
    if (graph->GetDecoderParams(channel) == nullptr) continue;
    m_Player.SetDecoderParam(channel, kParamFlipOn, 1);
    m_Player.SetDecoderParam(channel, kParamUpsideDown, upsideDown ? 1 : 0);
    m_Player.SetDecoderParam(channel, kParamMirror, mirrored ? 1 : 0);
  }
}

void CSamplePlayerDlg::OnBrightnessReset() {
  QSlider* brightness = Slider(kIdBrightness);
  {
    const QSignalBlocker block(brightness);
    brightness->setValue(0);
  }
  brightness->update();
  ApplyBrightness(0);
}

void CSamplePlayerDlg::OnSpeedUnit() {
  g_bSpeedInMiles = g_bSpeedInMiles == 0 ? 1 : 0;
  // The read-out picks the unit up at its next update.
  SetButtonFaces(kIdSpeedUnit, g_bSpeedInMiles == 1 ? kSpeedUnitMph : kSpeedUnitKmh);
}

void CSamplePlayerDlg::OnGSensorWindow() {
  if (m_pGSensorWnd == nullptr) {
    m_pGSensorWnd = new CGSensorDlg(this);
    m_pGSensorWnd->SetBackground(SkinBitmap(kGSensorBackground));
    m_pGSensorWnd->SetTextData(&m_TextData);
    m_pGSensorWnd->SetDurationMs(g_llDurationMs);
  }
  m_pGSensorWnd->show();
  m_pGSensorWnd->update();
}

void CSamplePlayerDlg::OnRearZoomStep() {
  // With nothing open there is nothing to run (Play would open a row of the list).
  CPlaybackGraph* graph = m_Player.Graph();
  if (m_bRecordingLoaded == 1 && graph != nullptr) {
    graph->Pause();
    OnPlayPause();
  }
  m_pRearHost->update();
  update();
}

}  // namespace motrevix
