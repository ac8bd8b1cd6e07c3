// The open procedure: the controller opens the file, then the sliders, volume,
// brightness, panes, telemetry and map follow the new recording. It neither
// starts playback nor places the panes; the caller does.
#include <QAbstractButton>
#include <QSlider>
#include <algorithm>
#include <limits>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/transport_rules.h"
#include "catalog/file_list_widget.h"
#include "catalog/file_name_text.h"
#include "playback/sound_volume.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/map_view.h"
#include "telemetry/telemetry_reader.h"
#include "view/pane_rects.h"

namespace motrevix {
namespace {

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

bool CSamplePlayerDlg::OpenRecording(const QString& path) {
  m_bRecordingLoaded = 0;
  m_Player.SourceReadMode = 0;

  // The path text keeps bytes that are not UTF-8 as escapes; the file is opened by its bytes.
  if (!m_Player.Open(catalog::FileNameBytes(path).toStdString())) {
    // Try the following row, but give up once every row has failed in a row.
    ++m_nFailedOpensInRow;
    if (m_nFailedOpensInRow >= std::max(1, m_pFileList->RowCount())) {
      m_nFailedOpensInRow = 0;
      OnStop();
    } else {
      OnNext();
    }
    update();
    return false;
  }
  m_nFailedOpensInRow = 0;

  const std::int64_t d = m_Player.GetDurationMs();
  g_llDurationMs = d;
  {
    const QSignalBlocker progressBlock(Slider(kIdProgress));
    Slider(kIdProgress)->setRange(0, ClampToInt(d));
    Slider(kIdSecondProgress)->setRange(1, ClampToInt(SecondProgressMaximum(d)));
  }

  ApplyWaveOutVolume(Slider(kIdVolume)->value());
  Slider(kIdRate)->setValue(5);
  ApplyBrightness(Slider(kIdBrightness)->value());
  ApplyOrientation();

  m_Panes = PanesAfterOpen(m_Panes, m_Player.GetChannelCount(), g_bRearHiddenByUser != 0);

  Button(kIdRearCheck)->setChecked(false);
  Button(kIdMapCheck)->setChecked(false);

  m_TextData.RemoveAll();
  if (CPlaybackGraph* graph = m_Player.Graph())
    ReadTelemetry(graph->GetTextTrackReader(), m_TextData);
  for (auto& readout : m_readouts) readout->RecordingOpened(m_TextData);

  if (m_pGSensorWnd != nullptr && m_nScreenMode == 1) {
    m_pGSensorWnd->show();
    m_pGSensorWnd->update();
  }

  if (m_TextData.m_aGPS.empty()) {
    Control(kIdMapCheck)->setEnabled(false);
    Control(kIdMapViewToggle)->setEnabled(false);
    CollapseMapView(kCollapsedMapRectNoGps);
    Control(kIdCameraMap)->hide();
    for (auto& readout : m_readouts) readout->BlankSpeedDigits();
    m_nGpsState = 0;
  } else {
    m_nGpsState = 3;
    LoadMapPageIfOnline();
    if (m_nScreenMode == 1 && g_bMapOnline == 1) {
      m_Panes = PanesWithMapInset(m_Panes);
      Control(kIdCameraMap)->show();
      Control(kIdMapCheck)->setEnabled(true);
      Button(kIdMapCheck)->setChecked(false);
      Control(kIdMapViewToggle)->setEnabled(true);
    } else {
      Control(kIdCameraMap)->hide();
      for (int id : {kIdSpeedHundreds, kIdSpeedTens, kIdSpeedOnes}) Control(id)->hide();
    }
  }

  m_bRecordingLoaded = 1;
  update();
  return true;
}

void CSamplePlayerDlg::ApplyBrightness(int b) {
  CPlaybackGraph* graph = m_Player.Graph();
  if (graph == nullptr) return;
  for (int channel : {kDecoderFront, kDecoderRear})
    if (graph->GetDecoder(channel) != nullptr) m_Player.SetBrightness(channel, b);
}

void CSamplePlayerDlg::ApplyWaveOutVolume(int position) {
  SetWaveOutVolume(WaveOutValueForSliderPosition(position));
}

void CSamplePlayerDlg::CollapseMapView(const QRect& rect) { m_pMapView->setGeometry(rect); }

void CSamplePlayerDlg::LoadMapPage() {
  m_strLoadedMapPage = CMapView::PagePath();
  m_pMapView->Navigate(m_strLoadedMapPage);
}

bool CSamplePlayerDlg::LoadMapPageIfOnline() {
  g_bMapOnline = m_network.IsOnline() ? 1 : 0;
  if (g_bMapOnline == 1) LoadMapPage();
  return g_bMapOnline == 1;
}

void CSamplePlayerDlg::ReloadMapAfterSourceChoice() {
  // The one place where choosing a card or opening a folder reaches the map pane.
  LoadMapPageIfOnline();
}

}  // namespace motrevix
