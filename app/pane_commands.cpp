// The pane buttons (CH1, CH2, MAP, swap, the two inset boxes, map view): the
// pane rule decides, the window carries its outcome out.
#include <QAbstractButton>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "telemetry/map_view.h"
#include "view/pane_buttons.h"
#include "view/pane_rects.h"
#include "view/video_hosts.h"
#include "view/view_globals.h"

namespace motrevix {
namespace {

// Where "View Map" first puts the map control, online and offline; the pane
// routine then gives it its final place.
constexpr QRect kMapBeforeInsetOnline{675, 264, 311, 233};
constexpr QRect kMapBeforeInsetOffline{675, 60, 320, 240};

}  // namespace

void CSamplePlayerDlg::InstallPaneCommands() {
  for (int id : {kIdCameraFront, kIdCameraRear, kIdCameraMap, kIdSwapPanes, kIdMapCheck,
                 kIdRearCheck, kIdMapViewToggle})
    m_commands.Register(id, [this, id] { OnPaneButton(id); });
}

void CSamplePlayerDlg::OnPaneButton(int id) {
  PaneButtonInputs in;
  in.panes = m_Panes;
  in.channels = m_bRecordingLoaded == 1 ? m_Player.GetChannelCount() : 0;
  in.gpsState = m_nGpsState;
  in.viewSwapped = g_bViewSwapped;
  in.frontFullScreen = g_bFrontFullScreen;
  in.rearFullScreen = g_bRearFullScreen;
  in.mapCheckAfterClick = Button(kIdMapCheck)->isChecked();
  const PaneButtonOutcome out = PressPaneButton(id, in);

  m_Panes = out.panes;
  if (out.viewSwapped) g_bViewSwapped = *out.viewSwapped;
  if (out.rearHiddenByUser) g_bRearHiddenByUser = *out.rearHiddenByUser;
  if (out.showRear) {
    m_pRearHost->setVisible(*out.showRear);
    m_pRearHost->Surface()->setVisible(*out.showRear);
  }
  for (const ButtonFaces& faces : out.faces) SetButtonFaces(faces.id, faces.faces);
  if (out.rearCheck) Button(kIdRearCheck)->setChecked(*out.rearCheck);
  if (out.mapCheck) Button(kIdMapCheck)->setChecked(*out.mapCheck);
  if (out.rearCheckEnabled) Control(kIdRearCheck)->setEnabled(*out.rearCheckEnabled);
  if (out.mapCheckEnabled) Control(kIdMapCheck)->setEnabled(*out.mapCheckEnabled);
  if (out.mapPage != MapPageAction::None) {
    const bool online = m_network.IsOnline();
    if (out.mapPage == MapPageAction::LoadIfOnline)
      m_pMapView->setGeometry(online ? kMapBeforeInsetOnline : kMapBeforeInsetOffline);
    if (online)
      LoadMapPage();
    else if (out.mapPage == MapPageAction::LoadOrCollapse)
      CollapseMapView(kCollapsedMapRect);
  }
  for (int repaint : out.repaint) Control(repaint)->update();
  if (out.applyLayout) ApplyPaneLayout();
  if (out.refresh) {
    if (CPlaybackGraph* graph = m_Player.Graph()) graph->UpdateVideoRects();
  }
}

}  // namespace motrevix
