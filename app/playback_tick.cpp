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
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/transport_rules.h"
#include "playback/sound_volume.h"
#include "telemetry/gsensor_window.h"

namespace motrevix {
namespace {

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
  Control(kIdSecondProgress)->update();
  if (s == static_cast<int>(PlayState::Running)) {
    const std::int64_t p = m_Player.GetPositionMs();
    const std::int64_t d = m_Player.GetDurationMs();
    if (p >= d || p < 0) {
      SetSliderPosition(kIdProgress, p);
      SetSliderPosition(kIdSecondProgress, p);
      OnNext();
      return;
    }
    SetSliderPosition(kIdProgress, p);
    SetSliderPosition(kIdSecondProgress, p);
    UpdateTimeReadouts(p, d);
    for (auto& readout : m_readouts) readout->ShowSpeed(p);
    for (auto& readout : m_readouts) readout->LookupTelemetry(p);
    return;
  }
  if (s == static_cast<int>(PlayState::Paused) || s == static_cast<int>(PlayState::Stopped)) {
    CPlaybackGraph* graph = m_Player.Graph();
    graph->Pause();
    const std::int64_t p = m_Player.GetPositionMs();
    const std::int64_t d = m_Player.GetDurationMs();
    SetSliderPosition(kIdProgress, p);
    SetSliderPosition(kIdSecondProgress, p);
    UpdateTimeReadouts(p, d);
    if (p < d && p != 0) {
      // The hour and minute sliders keep the recording's start hour and minute:
      // a position in milliseconds would only pin them at their maximum.
      graph->UpdateVideoRects();
      for (auto& readout : m_readouts) readout->LookupTelemetry(p);
    }
  }
}

void CSamplePlayerDlg::UpdateTimeReadouts(std::int64_t positionMs, std::int64_t durationMs) {
  const QString duration = QString::fromStdString(TimeText(durationMs));
  if (Label(kIdDurationTime)->text() != duration) Label(kIdDurationTime)->setText(duration);
  const QString position = QString::fromStdString(TimeText(positionMs));
  if (Label(kIdPositionTime)->text() != position) {
    Label(kIdPositionTime)->setText(position);
    if (m_nScreenMode == 2) {
      Control(kIdDurationTime)->update();
      Control(kIdFullProgressBack)->update();
    }
  }
  for (auto& readout : m_readouts) readout->ShowSpeed(positionMs);
}

void CSamplePlayerDlg::SeekToProgressX(int clientX) {
  const int trackX = m_nScreenMode == 2 ? m_nProgressOriginX : kWindowedProgressTrackX;
  const std::int64_t target = ClickSeekTarget(clientX, trackX, m_Player.GetDurationMs());
  m_Player.SeekMs(ToSeekMs(target));
  PlaybackTick();
}

void CSamplePlayerDlg::InstallSliderHandlers() {
  // Each slider acts on the page, thumb-position and thumb-track codes only.
  auto onActing = [this](int sliderId, void (CSamplePlayerDlg::*handler)(QSlider*)) {
    m_commands.RegisterScroll(sliderId, [this, sliderId, handler](int code) {
      if (SliderActsOn(code)) (this->*handler)(Slider(sliderId));
    });
  };
  onActing(kIdProgress, &CSamplePlayerDlg::OnProgressScroll);
  onActing(kIdSecondProgress, &CSamplePlayerDlg::OnSecondProgressScroll);
  onActing(kIdRate, &CSamplePlayerDlg::OnRateScroll);
  onActing(kIdVolume, &CSamplePlayerDlg::OnVolumeScroll);
  onActing(kIdBrightness, &CSamplePlayerDlg::OnBrightnessScroll);
}

void CSamplePlayerDlg::OnProgressScroll(QSlider*) {
  SeekToProgressX(mapFromGlobal(QCursor::pos()).x());
}

void CSamplePlayerDlg::OnSecondProgressScroll(QSlider* slider) {
  m_Player.SeekMs(ToSeekMs(slider->sliderPosition()));
  PlaybackTick();
}

void CSamplePlayerDlg::OnRateScroll(QSlider* slider) {
  if (CurrentPlayState() == static_cast<int>(PlayState::Running))
    m_Player.SetRate(RateForSliderPosition(slider->sliderPosition()));
}

void CSamplePlayerDlg::OnVolumeScroll(QSlider* slider) {
  const int v = slider->sliderPosition();
  Button(kIdMute)->setChecked(v <= 0);
  ApplyWaveOutVolume(v);
  g_nRememberedVolume = v;
}

void CSamplePlayerDlg::OnBrightnessScroll(QSlider* slider) {
  ApplyBrightness(slider->sliderPosition());
}

void CSamplePlayerDlg::OnMuteToggle() {
  QAbstractButton* mute = Button(kIdMute);
  QSlider* volume = Slider(kIdVolume);
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
