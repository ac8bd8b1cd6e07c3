// Places the front picture, the rear picture's window and the map for the
// windowed screen mode from the three pane states.
#include <QAbstractButton>
#include <QWebEngineView>

#include "app/sample_player_dlg.h"
#include "view/video_hosts.h"

namespace motrevix {

void CSamplePlayerDlg::ApplyPaneLayout() {
  if (m_nScreenMode != 1) return;  // the full-screen arrangement comes with the screen modes
  Control(1168)->show();

  switch (m_nFrontPane) {
    case 0:
      m_pFrontHost->Surface()->hide();
      Button(1100)->setChecked(false);
      break;
    case 1:
      m_pFrontHost->setGeometry(31, 46, 750, 422);
      m_pFrontHost->Surface()->setGeometry(0, 0, 750, 422);
      m_pFrontHost->show();
      m_pFrontHost->Surface()->show();
      break;
    case 2:
      m_pFrontHost->setGeometry(790, 380, 260, 245);
      m_pFrontHost->Surface()->setGeometry(0, 0, 260, 245);
      m_pFrontHost->show();
      m_pFrontHost->Surface()->show();
      Button(1100)->setChecked(true);
      break;
  }

  if (m_bRecordingLoaded == 1 && m_Player.GetChannelCount() > 1) {
    Control(1169)->show();
    switch (m_nRearPane) {
      case 0:
        m_pRearHost->hide();
        Button(1100)->setChecked(false);
        break;
      case 1:
        m_pRearHost->setGeometry(31, 46, 750, 422);
        m_pRearHost->Surface()->setGeometry(0, 0, 750, 422);
        m_pRearHost->show();
        break;
      case 2:
        m_pRearHost->show();
        m_pRearHost->Surface()->show();
        Button(1100)->setChecked(true);
        break;
    }
  } else {
    m_pRearHost->hide();
    Control(1169)->hide();
  }

  switch (m_nMapPane) {
    case 0:
      CollapseMapView(675, 60);
      Button(1099)->setChecked(false);
      break;
    case 1:
      m_pMapView->setGeometry(31, 46, 750, 422);
      break;
    case 2:
      m_pMapView->setGeometry(790, 380, 260, 245);
      Button(1099)->setChecked(true);
      Control(1170)->show();
      break;
  }
  m_pMapView->setVisible(m_nMapPane != 0);
  if (CPlaybackGraph* graph = m_Player.Graph()) graph->UpdateVideoRects();
}

}  // namespace motrevix
