// Applies the pane rule's arrangement of the front picture, the rear picture's
// window and the map to the windows, buttons and view flags, in either screen
// mode.
#include <QAbstractButton>
#include <QWebEngineView>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "telemetry/gsensor_window.h"
#include "view/pane_state.h"
#include "view/video_hosts.h"
#include "view/view_globals.h"

namespace motrevix {
namespace {

void ApplySurface(QWidget* surface, const QRect& rect, Visibility show) {
  if (!rect.isNull()) surface->setGeometry(rect);
  if (show == Visibility::Shown) surface->show();
  if (show == Visibility::Hidden) surface->hide();
}

}  // namespace

void CSamplePlayerDlg::ApplyPaneLayout() {
  PaneLayoutInputs inputs;
  inputs.panes = m_Panes;
  inputs.screenMode = m_nScreenMode;
  inputs.rearAvailable = m_bRecordingLoaded == 1 && m_Player.GetChannelCount() > 1;
  inputs.clientSize = size();
  inputs.fullScreenStretch = g_bFullScreenStretch;
  inputs.frontZoomed = g_bFrontZoomed;
  inputs.frontZoomLevel = m_pFrontHost->Surface()->ZoomLevel();
  inputs.frontSurfaceSize = m_pFrontHost->Surface()->size();
  inputs.insetRect = InsetPaneRect(g_bExtendedLayout == 1);
  const PaneArrangement a = ArrangePanes(inputs);
  if (a.frontFullScreen) g_bFrontFullScreen = *a.frontFullScreen;
  if (a.rearFullScreen) g_bRearFullScreen = *a.rearFullScreen;
  if (a.fullScreenVideo) g_rcFullScreenVideo = *a.fullScreenVideo;

  ApplyPlacements(a.placements);
  ApplySurface(m_pFrontHost->Surface(), a.frontSurface, a.frontSurfaceShow);
  ApplySurface(m_pRearHost->Surface(), a.rearSurface, a.rearSurfaceShow);
  if (a.rearCheck) Button(kIdRearCheck)->setChecked(*a.rearCheck);
  if (a.mapCheck) Button(kIdMapCheck)->setChecked(*a.mapCheck);
  for (const ButtonFaces& faces : a.faces) SetButtonFaces(faces.id, faces.faces);
  if (a.mapViewText) Button(kIdMapViewToggle)->setText(*a.mapViewText);
  for (int id : a.repaint) Control(id)->update();
  // The front's value is written before the rear's, so the rear's stands.
  if (a.viewSwapped) g_bViewSwapped = *a.viewSwapped;
  if (a.progressOriginX) m_nProgressOriginX = *a.progressOriginX;
  if (a.hideGSensorWindow && m_pGSensorWnd != nullptr) m_pGSensorWnd->hide();
  if (CPlaybackGraph* graph = m_Player.Graph()) graph->UpdateVideoRects();
}

}  // namespace motrevix
