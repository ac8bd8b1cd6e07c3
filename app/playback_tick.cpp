// The 100 ms playback tick with the time read-outs, and the slider handlers:
// progress click-to-seek, the second progress slider, rate, volume, brightness
// and mute.
#include <QAbstractButton>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QSlider>
#include <algorithm>
#include <limits>

#include "app/app_globals.h"
#include "app/sample_player_dlg.h"
#include "app/transport_rules.h"
#include "playback/sound_volume.h"
#include "telemetry/gsensor_window.h"

namespace motrevix {
namespace {

bool ActsOn(int code) {
  return code == kPageLeft || code == kPageRight || code == kThumbPosition || code == kThumbTrack;
}

std::int32_t ToSeekMs(std::int64_t ms) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, 0, INT32_MAX));
}

}  // namespace

void CSamplePlayerDlg::OnTimer(int timerId) {
  if (timerId != IDT_PLAYBACK) return;
  // Held while a slider thumb is dragged: the drag, not the tick, moves it.
  if (QGuiApplication::mouseButtons() & Qt::LeftButton) return;
  PlaybackTick();
}

void CSamplePlayerDlg::SetSliderPosition(int id, std::int64_t position) {
  QSlider* slider = Slider(id);
  const QSignalBlocker block(slider);
  slider->setValue(static_cast<int>(std::clamp<std::int64_t>(
      position, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
  slider->update();
}

void CSamplePlayerDlg::PlaybackTick() {
  const int s = CurrentPlayState();
  Control(1024)->update();
  if (s == static_cast<int>(PlayState::Running)) {
    const std::int64_t p = m_Player.GetPositionMs();
    const std::int64_t d = m_Player.GetDurationMs();
    if (p >= d || p < 0) {
      SetSliderPosition(1002, p);
      SetSliderPosition(1024, p);
      OnNext();
      return;
    }
    SetSliderPosition(1002, p);
    SetSliderPosition(1024, p);
    UpdateTimeReadouts(p, d);
    if (m_hooks.showSpeed) m_hooks.showSpeed(p);
    if (m_hooks.lookupTelemetry) m_hooks.lookupTelemetry(p);
    if (m_pGSensorWnd != nullptr) m_pGSensorWnd->SetMarkerMs(p);
    return;
  }
  if (s == static_cast<int>(PlayState::Paused) || s == static_cast<int>(PlayState::Stopped)) {
    CPlaybackGraph* graph = m_Player.Graph();
    graph->Pause();
    const std::int64_t p = m_Player.GetPositionMs();
    const std::int64_t d = m_Player.GetDurationMs();
    SetSliderPosition(1002, p);
    SetSliderPosition(1024, p);
    UpdateTimeReadouts(p, d);
    if (p < d && p != 0) {
      // The hour and minute sliders keep the recording's start hour and minute:
      // a position in milliseconds would only pin them at their maximum.
      graph->UpdateVideoRects();
      if (m_hooks.lookupTelemetry) m_hooks.lookupTelemetry(p);
      if (m_pGSensorWnd != nullptr) m_pGSensorWnd->SetMarkerMs(p);
    }
  }
}

void CSamplePlayerDlg::UpdateTimeReadouts(std::int64_t positionMs, std::int64_t durationMs) {
  const QString duration = QString::fromStdString(TimeText(durationMs));
  if (Label(1015)->text() != duration) Label(1015)->setText(duration);
  const QString position = QString::fromStdString(TimeText(positionMs));
  if (Label(1014)->text() != position) {
    Label(1014)->setText(position);
    if (m_nScreenMode == 2) {
      Control(1015)->update();
      Control(1208)->update();
    }
  }
  if (m_hooks.showSpeed) m_hooks.showSpeed(positionMs);
}

void CSamplePlayerDlg::SeekToProgressX(int clientX) {
  const int trackX = m_nScreenMode == 2 ? m_nProgressOriginX : kWindowedProgressTrackX;
  const std::int64_t target = ClickSeekTarget(clientX, trackX, m_Player.GetDurationMs());
  m_Player.SeekMs(ToSeekMs(target));
  PlaybackTick();
}

void CSamplePlayerDlg::OnHScroll(int sliderId, int code) {
  if (!ActsOn(code)) return;
  QSlider* slider = Slider(sliderId);
  switch (sliderId) {
    case 1002:
      SeekToProgressX(mapFromGlobal(QCursor::pos()).x());
      break;
    case 1024:
      m_Player.SeekMs(ToSeekMs(slider->sliderPosition()));
      PlaybackTick();
      break;
    case 1003:
      if (CurrentPlayState() == static_cast<int>(PlayState::Running))
        m_Player.SetRate(RateForSliderPosition(slider->sliderPosition()));
      break;
    case 1004: {
      const int v = slider->sliderPosition();
      Button(1023)->setChecked(v <= 0);
      ApplyWaveOutVolume(v);
      g_nRememberedVolume = v;
      break;
    }
    case 1112:
      ApplyBrightness(slider->sliderPosition());
      break;
    default:
      break;
  }
}

void CSamplePlayerDlg::OnMuteToggle() {
  QAbstractButton* mute = Button(1023);
  QSlider* volume = Slider(1004);
  if (mute->isChecked()) {
    SetWaveOutVolume(0);
    g_nRememberedVolume = volume->value();
    volume->setValue(0);
  } else {
    volume->setValue(g_nRememberedVolume);
    ApplyWaveOutVolume(volume->value());
    mute->setChecked(false);
  }
}

}  // namespace motrevix
