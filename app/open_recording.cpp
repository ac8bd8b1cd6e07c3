// The open procedure: the controller opens the file, then the sliders, volume,
// brightness, panes, telemetry and map follow the new recording. It neither
// starts playback nor places the panes; the caller does.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QSlider>
#include <QUrl>
#include <QWebEngineView>
#include <algorithm>
#include <limits>

#include "app/app_globals.h"
#include "app/sample_player_dlg.h"
#include "app/transport_rules.h"
#include "catalog/file_list_widget.h"
#include "playback/sound_volume.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/telemetry_reader.h"

namespace motrevix {
namespace {

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

bool CSamplePlayerDlg::OpenRecording(const std::wstring& path) {
  m_bRecordingLoaded = 0;
  m_Player.SourceReadMode = 0;

  if (!m_Player.Open(QString::fromStdWString(path).toStdString())) {
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
    const QSignalBlocker progressBlock(Slider(1002));
    Slider(1002)->setRange(0, ClampToInt(d));
    Slider(1024)->setRange(1, ClampToInt(SecondProgressMaximum(d)));
  }

  ApplyWaveOutVolume(Slider(1004)->value());
  Slider(1003)->setValue(5);
  ApplyBrightness(Slider(1112)->value());

  m_nFrontPane = 1;
  m_nRearPane = (m_Player.GetChannelCount() > 1 && g_bRearHiddenByUser == 0) ? 2 : 0;

  m_nMapPane = 0;
  Button(1100)->setChecked(false);
  Button(1099)->setChecked(false);

  m_TextData.RemoveAll();
  if (CPlaybackGraph* graph = m_Player.Graph())
    ReadTelemetry(graph->GetTextTrackReader(), m_TextData);

  if (m_pGSensorWnd != nullptr && m_nScreenMode == 1) {
    m_pGSensorWnd->show();
    m_pGSensorWnd->update();
  }

  if (m_TextData.m_aGPS.empty()) {
    Control(1099)->setEnabled(false);
    Control(1101)->setEnabled(false);
    CollapseMapView(790, 380);
    Control(1170)->hide();
    if (m_hooks.blankSpeedDigits) m_hooks.blankSpeedDigits();
    m_nGpsState = 0;
  } else {
    m_nGpsState = 3;
    if (m_network.IsOnline()) {
      g_bMapOnline = 1;
      LoadMapPage();
    } else {
      g_bMapOnline = 0;
    }
    if (m_nScreenMode == 1 && g_bMapOnline == 1) {
      m_nMapPane = 2;
      Control(1170)->show();
      Control(1099)->setEnabled(true);
      Button(1099)->setChecked(false);
      Control(1101)->setEnabled(true);
    } else {
      Control(1170)->hide();
      for (int id : {1164, 1165, 1166}) Control(id)->hide();
    }
  }

  m_bRecordingLoaded = 1;
  update();
  return true;
}

void CSamplePlayerDlg::ApplyBrightness(int b) {
  CPlaybackGraph* graph = m_Player.Graph();
  if (graph == nullptr) return;
  for (int channel = 1; channel <= 2; ++channel)
    if (graph->GetDecoder(channel) != nullptr) m_Player.SetBrightness(channel, b);
}

void CSamplePlayerDlg::ApplyWaveOutVolume(int position) {
  SetWaveOutVolume(WaveOutValueForSliderPosition(position));
}

void CSamplePlayerDlg::CollapseMapView(int x, int y) { m_pMapView->setGeometry(x, y, 0, 0); }

void CSamplePlayerDlg::LoadMapPage() {
  const QString page = QDir(QCoreApplication::applicationDirPath()).filePath("MapView.htm");
  m_strLoadedMapPage = page;
  m_pMapView->load(QUrl::fromLocalFile(page));
}

}  // namespace motrevix
