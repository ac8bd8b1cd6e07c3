// Applies the pane rule's arrangement of the front picture, the rear picture's
// window and the map to the windows and buttons.
#include <QAbstractButton>
#include <QWebEngineView>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "view/pane_state.h"
#include "view/video_hosts.h"

namespace motrevix {
namespace {

void ApplySurface(QWidget* surface, const QRect& rect, Visibility show) {
  if (!rect.isNull()) surface->setGeometry(rect);
  if (show == Visibility::Shown) surface->show();
  if (show == Visibility::Hidden) surface->hide();
}

}  // namespace

void CSamplePlayerDlg::ApplyPaneLayout() {
  const bool rearAvailable = m_bRecordingLoaded == 1 && m_Player.GetChannelCount() > 1;
  const PaneArrangement arrangement = ArrangePanes(m_Panes, m_nScreenMode, rearAvailable);
  if (m_nScreenMode != 1) return;  // the full-screen arrangement comes with the screen modes

  ApplyPlacements(arrangement.placements);
  ApplySurface(m_pFrontHost->Surface(), arrangement.frontSurface, arrangement.frontSurfaceShow);
  ApplySurface(m_pRearHost->Surface(), arrangement.rearSurface, arrangement.rearSurfaceShow);
  if (arrangement.rearCheck) Button(kIdRearCheck)->setChecked(*arrangement.rearCheck);
  if (arrangement.mapCheck) Button(kIdMapCheck)->setChecked(*arrangement.mapCheck);
  if (CPlaybackGraph* graph = m_Player.Graph()) graph->UpdateVideoRects();
}

}  // namespace motrevix
