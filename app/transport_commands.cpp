// The transport commands: Play/Pause, Stop, Next, Previous, the one-second
// skips and the frame step.
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/keyboard_keys.h"
#include "app/sample_player_dlg.h"
#include "app/transport_rules.h"
#include "catalog/file_list_widget.h"
#include "catalog/name_field.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/map_view.h"
#include "view/pane_rects.h"
#include "view/video_hosts.h"

namespace motrevix {

void CSamplePlayerDlg::InstallTransportCommands() {
  const struct {
    int id;
    void (CSamplePlayerDlg::*handler)();
  } commands[] = {
      {kIdPlay, &CSamplePlayerDlg::OnPlayPause},
      {kIdStop, &CSamplePlayerDlg::OnStop},
      {kIdNext, &CSamplePlayerDlg::OnNext},
      {kIdPrevious, &CSamplePlayerDlg::OnPrevious},
      {kIdSecondBack, &CSamplePlayerDlg::OnSecondBack},
      {kIdSecondNext, &CSamplePlayerDlg::OnSecondNext},
      {kIdFrameStep, &CSamplePlayerDlg::OnFrameStep},
      {kIdMute, &CSamplePlayerDlg::OnMuteToggle},
  };
  for (const auto& command : commands)
    m_commands.Register(command.id, [this, handler = command.handler] { (this->*handler)(); });
}

int CSamplePlayerDlg::CurrentPlayState() const {
  return m_Player.HasPipeline() ? static_cast<int>(m_Player.GetState()) : -1;
}

QString CSamplePlayerDlg::RowPath(int row) const { return m_pFileList->ItemText(row, 3); }

void CSamplePlayerDlg::SetPlayButton(bool showsPause) {
  SetButtonFaces(kIdPlay, {PlayButtonFace(showsPause, m_nScreenMode), 0, 0, 0});
  Button(kIdPlay)->setToolTip(ToolTipWithKeys(kIdPlay, showsPause ? "Pause" : "Play"));
}

void CSamplePlayerDlg::OnPlayPause() {
  emit PlayIssued();
  CPlaybackGraph* graph = m_Player.Graph();
  if (graph != nullptr && graph->GetState() == PlayState::Paused) {
    SetPlayButton(true);
    graph->Run();
    m_playbackTimer.start();
    return;
  }
  if (graph != nullptr && graph->GetState() == PlayState::Running) {
    graph->Pause();
    SetPlayButton(false);
    ApplyPaneLayout();
    return;
  }
  if (m_pFileList->RowCount() > 0) {
    if (!PlayFromStoppedState()) return;
  }
  for (int id : {kIdPositionTime, kIdDurationTime}) Control(id)->update();
  m_pMapView->update();
  m_pGSensorWnd->update();
}

bool CSamplePlayerDlg::PlayFromStoppedState() {
  int r = m_pFileList->FirstSelectedRow();
  if (r < 0) r = 0;
  m_pFileList->SetRowSelected(m_nCurrentItem, false);
  m_nCurrentItem = r;
  m_pFileList->SetPlayingRow(r);
  m_pFileList->SetRowSelected(r, true);

  const QString path = RowPath(r);
  if (m_bRecordingLoaded == 0 && !OpenRecording(path)) return false;

  if (CPlaybackGraph* graph = m_Player.Graph()) graph->Run();
  m_playbackTimer.start();
  SetPlayButton(true);

  const std::int64_t d = m_Player.GetDurationMs();
  {
    const QSignalBlocker block(Slider(kIdProgress));
    Slider(kIdProgress)->setRange(0, static_cast<int>(std::min<std::int64_t>(d, INT32_MAX)));
  }

  const QString name = QFileInfo(path).fileName();
  const int year = catalog::NameField(name, catalog::kYearField);
  const int month = catalog::NameField(name, catalog::kMonthField);
  const int day = catalog::NameField(name, catalog::kDayField);
  const int hour = catalog::NameField(name, catalog::kHourField);
  const int minute = catalog::NameField(name, catalog::kMinuteField);
  m_Listing.m_nCurrentHour = hour;
  const QDate date(year, month, day);
  if (date.isValid()) m_pCalendar->setSelectedDate(date);
  Slider(kIdHourFilter)->setRange(0, 24);
  Slider(kIdHourFilter)->setValue(hour);
  Slider(kIdMinuteFilter)->setRange(0, 60);
  Slider(kIdMinuteFilter)->setValue(minute);

  Slider(kIdSecondProgress)
      ->setRange(1, static_cast<int>(std::min<std::int64_t>(SecondProgressMaximum(d), INT32_MAX)));
  Slider(kIdSecondProgress)->setTickInterval(static_cast<int>(SecondProgressTickFrequency(d)));
  for (int id : {kIdHourFilter, kIdMinuteFilter, kIdSecondProgress}) Control(id)->update();

  if (m_TextData.m_aGSensor.empty()) m_pGSensorWnd->hide();
  ApplyPaneLayout();
  update();
  return true;
}

void CSamplePlayerDlg::OnStop() {
  emit StopIssued();
  if (CPlaybackGraph* graph = m_Player.Graph()) graph->Stop();
  m_Player.SeekMs(0);
  m_playbackTimer.stop();

  m_pGSensorWnd->hide();
  m_pFrontHost->hide();
  m_pRearHost->hide();
  m_pVideoView1->hide();
  m_pVideoView2->hide();

  for (int id : {kIdProgress, kIdHourFilter, kIdMinuteFilter, kIdSecondProgress}) {
    Slider(id)->setValue(0);
    Control(id)->update();
  }
  Label(kIdPositionTime)->setText("00:00:00");
  Label(kIdDurationTime)->setText("00:00:00");

  m_nCurrentItem = -1;
  m_pFileList->SetPlayingRow(-1);
  SetPlayButton(false);

  if (CPlaybackGraph* graph = m_Player.Graph()) graph->Stop();
  m_Player.Close();

  Button(kIdRearCheck)->setChecked(false);
  Button(kIdMapCheck)->setChecked(false);
  for (int id : {kIdRearCheck, kIdMapCheck, kIdFileList, kIdCategoryNormal, kIdCategoryEvent,
                 kIdCategoryMotion, kIdCategoryManual, kIdCategoryAll})
    Control(id)->update();

  m_Panes = PanesAfterStop(m_Panes);
  CollapseMapView(kCollapsedMapRect);
  m_bRecordingLoaded = 0;
  update();
}

void CSamplePlayerDlg::OnNext() {
  m_bRecordingLoaded = 0;
  const int n = m_pFileList->RowCount();
  if (n < m_nCurrentItem + 1) {
    OnStop();
    return;
  }
  if (m_nCurrentItem == n - 1) m_nCurrentItem = -1;
  ++m_nCurrentItem;
  OpenRowAndPlay(m_nCurrentItem);
}

void CSamplePlayerDlg::OnPrevious() {
  if (m_nCurrentItem <= 0) return;
  const int i = m_nCurrentItem - 1;
  if (i >= m_pFileList->RowCount()) return;
  m_nCurrentItem = i;
  OpenRowAndPlay(i);
}

void CSamplePlayerDlg::OpenRowAndPlay(int row) {
  const QString path = RowPath(row);
  if (!path.isEmpty()) {
    m_nCurrentItem = row;
    m_pFileList->SetPlayingRow(row);
    m_pFileList->ClearAllSelected();
    m_pFileList->SetRowSelected(row, true);
    if (OpenRecording(path)) OnPlayPause();
  }
  m_pFileList->EnsureRowVisible(row);
  m_pFileList->update();
}

void CSamplePlayerDlg::OnSecondBack() {
  const int s = CurrentPlayState();
  if (s != static_cast<int>(PlayState::Running) && s != static_cast<int>(PlayState::Paused)) return;
  m_Player.SkipSeconds(-1.0);
  PlaybackTick();
}

void CSamplePlayerDlg::OnSecondNext() {
  const int s = CurrentPlayState();
  if (s != static_cast<int>(PlayState::Running) && s != static_cast<int>(PlayState::Paused)) return;
  m_Player.SkipSeconds(1.0);
  PlaybackTick();
}

void CSamplePlayerDlg::OnFrameStep() {
  CPlaybackGraph* graph = m_Player.Graph();
  if (graph == nullptr) return;
  if (graph->GetState() == PlayState::Running) {
    graph->Pause();
    SetPlayButton(false);
    graph->FrameStep();
  } else if (graph->GetState() == PlayState::Paused) {
    graph->FrameStep();
  }
}

}  // namespace motrevix
