// The main window's controls: made from the control table with their
// identifiers as object names, placed by the layout rules, given their
// tooltips, and wired to the command router.
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QSlider>
#include <QWebEngineView>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/control_table.h"
#include "app/sample_player_dlg.h"
#include "app/scroll_codes.h"
#include "catalog/file_list_widget.h"
#include "platform/programming_check.h"
#include "telemetry/map_view.h"
#include "view/pane_rects.h"
#include "view/video_hosts.h"
#include "view/window_layout.h"

namespace motrevix {

void CSamplePlayerDlg::CreateControls() {
  for (const ControlEntry& entry : MainWindowControls()) {
    QWidget* control = entry.make(entry, this);
    control->setObjectName(QString::number(entry.id));
    m_controls.insert(entry.id, control);
    // Sliders act through the mouse only: arrow keys would move the brightness
    // slider without its notification reaching the decoders.
    if (auto* slider = qobject_cast<QSlider*>(control)) slider->setFocusPolicy(Qt::NoFocus);
  }
  for (const ControlPosition& position : MainWindowStartPositions())
    Control(position.id)->setGeometry(position.rect);
  for (int id : {kIdFullProgressBack, kIdSpeedHundreds, kIdSpeedTens, kIdSpeedOnes})
    Control(id)->hide();

  m_pFileList = new catalog::CFileListWidget(this);
  m_controls.insert(kIdFileList, m_pFileList);

  m_pCalendar = new QCalendarWidget(this);
  m_pCalendar->setObjectName(QString::number(kIdCalendar));
  m_pCalendar->setGeometry(789, 380, 262, 180);
  m_controls.insert(kIdCalendar, m_pCalendar);

  m_pMapView = new CMapView(this);
  m_pMapView->setObjectName(QString::number(kIdMapView));
  m_controls.insert(kIdMapView, m_pMapView);
}

QWidget* CSamplePlayerDlg::Control(int id) const {
  QWidget* control = m_controls.value(id);
  MOTREVIX_CHECK(control != nullptr, "the main window has no control of this identifier");
  return control;
}

bool CSamplePlayerDlg::HasControl(int id) const { return m_controls.contains(id); }

QWebEngineView* CSamplePlayerDlg::MapView() const { return m_pMapView; }

void CSamplePlayerDlg::ApplyPlacements(const Placements& placements) {
  for (const Placement& place : placements) {
    QWidget* control = Control(place.id);
    // A top-level window (the rear picture's) is placed relative to this window's
    // client area, so it lands over the main window wherever that is.
    if (!place.rect.isNull())
      control->setGeometry(control->isWindow()
                               ? QRect(mapToGlobal(place.rect.topLeft()), place.rect.size())
                               : place.rect);
    if (place.show == Visibility::Shown) control->show();
    if (place.show == Visibility::Hidden) control->hide();
  }
}

void CSamplePlayerDlg::ApplyLayout(int screenMode) {
  if (screenMode == 2) {
    // Placed from the client size the maximised window has now; the resize that
    // the window manager reports later runs this again.
    const Placements layout = ControlLayout(2, size());
    ApplyPlacements(layout);
    if (CPlaybackGraph* graph = m_Player.Graph()) graph->UpdateVideoRects();
    update();
    return;
  }
  resize(kWindowedClientSize);
  m_pVideoView1->setGeometry(QRect(kLargePaneRect.topLeft(), QSize(0, 0)));
  m_pVideoView2->setGeometry(QRect(kInsetPaneRect.topLeft(), QSize(0, 0)));
  m_pFrontHost->setGeometry(QRect(kLargePaneRect.topLeft(), QSize(0, 0)));
  m_pFrontHost->Surface()->resize(kLargePaneRect.size());
  m_pRearHost->setGeometry(0, 0, 556, 342);
  m_pRearHost->Surface()->resize(540, 303);
  m_pFrontHost->Surface()->update();
  m_pRearHost->Surface()->update();
  ApplyPlacements(ControlLayout(screenMode, size()));
  QSlider* progress = Slider(kIdProgress);
  progress->setTickInterval(1000);
  progress->setSingleStep(1000);
  progress->setPageStep(1000);
  Slider(kIdHourFilter)->setRange(0, 24);
  Slider(kIdHourFilter)->setValue(0);
  Slider(kIdHourFilter)->setPageStep(1);
  Slider(kIdMinuteFilter)->setValue(0);
  if (g_bMapOnline == 1) Control(kIdCameraMap)->show();
  update();
}

void CSamplePlayerDlg::AddToolTips() {
  for (const ControlToolTip& tip : MainWindowToolTips()) Control(tip.id)->setToolTip(tip.text);
}

void CSamplePlayerDlg::ConnectControls() {
  for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
    const int id = it.key();
    if (auto* button = qobject_cast<QAbstractButton*>(it.value()))
      connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
    if (auto* slider = qobject_cast<QSlider*>(it.value())) {
      connect(slider, &QAbstractSlider::actionTriggered, this, [this, id](int action) {
        const int code = ScrollCodeForSliderAction(action);
        if (code >= 0) OnHScroll(id, code);
      });
      connect(slider, &QAbstractSlider::sliderReleased, this,
              [this, id] { OnHScroll(id, kThumbPosition); });
    }
  }
  connect(m_pFileList, &catalog::CFileListWidget::RowActivated, this,
          [this](int row) { OpenRowAndPlay(row); });
}

bool CSamplePlayerDlg::OnCommand(int id) { return m_commands.Dispatch(id); }

void CSamplePlayerDlg::OnHScroll(int sliderId, int code) {
  m_commands.DispatchScroll(sliderId, code);
}

QAbstractButton* CSamplePlayerDlg::Button(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  MOTREVIX_CHECK(button != nullptr, "the control is not a button");
  return button;
}

QSlider* CSamplePlayerDlg::Slider(int id) const {
  auto* slider = qobject_cast<QSlider*>(Control(id));
  MOTREVIX_CHECK(slider != nullptr, "the control is not a slider");
  return slider;
}

QLabel* CSamplePlayerDlg::Label(int id) const {
  auto* label = qobject_cast<QLabel*>(Control(id));
  MOTREVIX_CHECK(label != nullptr, "the control is not a label");
  return label;
}

}  // namespace motrevix
