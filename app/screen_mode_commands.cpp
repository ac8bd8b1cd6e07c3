// The two screen-mode commands: Full Screen maximises the window, drops the
// background and gives the controls their full-screen faces and places; in full
// screen it toggles whether the picture takes the whole width. Original Screen
// brings the windowed faces, layout and background back.
#include <QAbstractButton>
#include <QLabel>
#include <QScreen>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/skin_face_sets.h"
#include "skin/skin_store.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/speed_readout_widget.h"
#include "view/view_globals.h"

namespace motrevix {
namespace {

bool ShowsNoFrame(int state) {
  return state < 0 || state == static_cast<int>(PlayState::Stopped) ||
         state == static_cast<int>(PlayState::Idle);
}

}  // namespace

void CSamplePlayerDlg::Maximize() {
  showMaximized();
  // Without a window manager (a bare X server) nothing maximises the window:
  // it takes the screen's free area itself; a window manager's own size
  // arrives later as a resize and the layout follows it.
  if (const QScreen* screen = this->screen()) setGeometry(screen->availableGeometry());
}

void CSamplePlayerDlg::InstallScreenModeCommands() {
  m_commands.Register(kIdFullScreen, [this] { OnFullScreen(); });
  m_commands.Register(kIdOriginalScreen, [this] { OnOriginalScreen(); });
  m_commands.Register(kIdExtendedLayout, [this] {
    g_bExtendedLayout = 1 - g_bExtendedLayout;
    // In full screen the choice waits for the return to the windowed layout.
    if (m_nScreenMode != 1) return;
    // Each background has its own places and window size, so switching back
    // brings the standard layout's 1080 x 710 again.
    ApplyLayout(1);
    LoadBackground();
    ApplyPaneLayout();
  });
}

void CSamplePlayerDlg::SetPlayButtonForState(int state) {
  if (state == static_cast<int>(PlayState::Paused)) SetPlayButton(false);
  if (state == static_cast<int>(PlayState::Running)) SetPlayButton(true);
}

void CSamplePlayerDlg::OnFullScreen() {
  const int state = CurrentPlayState();
  if (m_nScreenMode == 1) {
    m_nScreenMode = 2;
    Maximize();
    m_background = QPixmap();
    LoadFaceSet(FullScreenFaceSet());
    Control(kIdFullProgressBack)->hide();
    for (int id :
         {kIdRepair, kIdListReview, kIdFolderOpen, kIdSpeedHundreds, kIdSpeedTens, kIdSpeedOnes})
      Control(id)->hide();
    if (m_pSpeedDigits != nullptr) {
      m_pSpeedDigits->SetDigitStrip(QPixmap());
      m_pSpeedDigits->hide();
    }
    SetPlayButtonForState(state);
    if (m_Panes.m_nMapPane == kPaneLarge) {
      m_Panes.m_nFrontPane = kPaneLarge;
      m_Panes.m_nMapPane = kPaneInset;
    }
    g_bFullScreenStretch = 0;
  } else {
    g_bFullScreenStretch = 1 - g_bFullScreenStretch;
  }
  if (ShowsNoFrame(state))
    for (int id : {kIdPositionTime, kIdDurationTime}) Label(id)->setText("00:00:00");
  ApplyLayout(m_nScreenMode);
  ApplyPaneLayout();
  update();
}

void CSamplePlayerDlg::OnOriginalScreen() {
  if (m_nScreenMode == 1) {
    // From the windowed layout this maximises too, keeping faces and background.
    m_nScreenMode = 2;
    Maximize();
    if (m_Panes.m_nMapPane == kPaneLarge) OnCommand(kIdMapViewToggle);
  } else {
    const int state = CurrentPlayState();
    m_nScreenMode = 1;
    showNormal();
    LoadFaceSet(WindowedFaceSet());
    SetPlayButtonForState(state);
    if (!m_TextData.m_aGPS.empty()) Control(kIdSpeedUnit)->show();
    if (m_pSpeedDigits != nullptr) {
      m_pSpeedDigits->SetDigitStrip(SkinBitmap(kSpeedDigitStrip));
      m_pSpeedDigits->show();
    }
    if (m_pGSensorWnd != nullptr) m_pGSensorWnd->show();
  }
  if (ShowsNoFrame(CurrentPlayState()))
    for (int id : {kIdPositionTime, kIdDurationTime}) Label(id)->setText("00:00:00");
  ApplyLayout(m_nScreenMode);
  if (m_nScreenMode == 1) LoadBackground();
  ApplyPaneLayout();
  if (CPlaybackGraph* graph = m_Player.Graph()) graph->UpdateVideoRects();
  update();
}

}  // namespace motrevix
