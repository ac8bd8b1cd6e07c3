// The main window's controls: each one made with its identifier as object name
// and its caption, the windowed layout's positions, the tooltips, and the
// wiring of clicks and slider notifications to the command handlers.
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWebEngineView>

#include "app/app_globals.h"
#include "app/sample_player_dlg.h"
#include "catalog/file_list_widget.h"
#include "view/video_hosts.h"

namespace motrevix {
namespace {

enum class Kind { Push, Toggle, Check, Slider, Label, Picture };

struct ControlEntry {
  int id;
  Kind kind;
  const char* caption;
};

// Every push button, toggle, check box, slider and label of the window.
constexpr ControlEntry kControls[] = {
    {1000, Kind::Push, "-"},
    {1001, Kind::Push, "Exit"},
    {1005, Kind::Push, "PRE"},
    {1006, Kind::Push, "PLAY"},
    {1007, Kind::Push, "STOP"},
    {1008, Kind::Push, "NEXT"},
    {1009, Kind::Push, "<- SEC"},
    {1010, Kind::Push, "-> SEC"},
    {1011, Kind::Push, "FPS"},
    {1012, Kind::Push, "OPEN"},
    {1016, Kind::Push, "Config"},
    {1017, Kind::Push, "Capture"},
    {1018, Kind::Push, "Full"},
    {1025, Kind::Push, "Original"},
    {1097, Kind::Push, "Swap"},
    {1098, Kind::Push, ""},
    {1101, Kind::Push, "Map View"},
    {1121, Kind::Push, "Zoom"},
    {1132, Kind::Push, "List"},
    {1137, Kind::Push, ""},
    {1150, Kind::Push, "Event"},
    {1151, Kind::Push, "Motion"},
    {1152, Kind::Push, "Normal"},
    {1153, Kind::Push, "Manual"},
    {1154, Kind::Push, ""},
    {1155, Kind::Push, "<"},
    {1156, Kind::Push, ">"},
    {1157, Kind::Push, ">"},
    {1158, Kind::Push, "<"},
    {1159, Kind::Push, "ALL"},
    {1160, Kind::Push, "Parking"},
    {1161, Kind::Push, "information"},
    {1162, Kind::Push, "Folder"},
    {1163, Kind::Push, "Print"},
    {1164, Kind::Push, "N100"},
    {1165, Kind::Push, "N10"},
    {1166, Kind::Push, "N1"},
    {1167, Kind::Push, "km/h"},
    {1168, Kind::Push, "CH1"},
    {1169, Kind::Push, "CH2"},
    {1170, Kind::Push, "map"},
    {1171, Kind::Push, "bright"},
    {1208, Kind::Push, "full progress back"},
    {1210, Kind::Push, "FAT32Format"},
    {1023, Kind::Toggle, "Mute"},
    {1099, Kind::Check, "Map View"},
    {1100, Kind::Check, "Rear View"},
    {1110, Kind::Check, "V"},
    {1111, Kind::Check, "H"},
    {1002, Kind::Slider, ""},
    {1003, Kind::Slider, ""},
    {1004, Kind::Slider, ""},
    {1019, Kind::Slider, ""},
    {1024, Kind::Slider, ""},
    {1030, Kind::Slider, ""},
    {1112, Kind::Slider, ""},
    {1014, Kind::Label, "00:00:00"},
    {1015, Kind::Label, "00:00:00"},
    {1027, Kind::Label, "Filename"},
    {1029, Kind::Picture, ""},
};

enum class Show { Shown, Hidden, Unchanged };

struct Placement {
  int id;
  QRect rect;  // an empty rectangle leaves the geometry as it is
  Show show;
};

// The windowed layout, in the order it is applied.
const Placement kWindowedLayout[] = {
    {1016, {29, 642, 32, 32}, Show::Shown},
    {1017, {66, 642, 32, 32}, Show::Shown},
    {1163, {103, 642, 32, 32}, Show::Shown},
    {1162, {140, 642, 32, 32}, Show::Shown},
    {1012, {177, 642, 32, 32}, Show::Shown},
    {1005, {229, 642, 32, 32}, Show::Shown},
    {1009, {264, 642, 32, 32}, Show::Shown},
    {1006, {299, 635, 45, 45}, Show::Shown},
    {1010, {350, 642, 32, 32}, Show::Shown},
    {1008, {385, 642, 32, 32}, Show::Shown},
    {1011, {420, 642, 32, 32}, Show::Shown},
    {1121, {471, 642, 32, 32}, Show::Shown},
    {1110, {508, 642, 32, 32}, Show::Shown},
    {1111, {545, 642, 32, 32}, Show::Shown},
    {1168, {585, 642, 64, 34}, Show::Hidden},
    {1169, {652, 642, 64, 34}, Show::Hidden},
    {1170, {719, 642, 64, 34}, Show::Hidden},
    {1098, {60, 537, 25, 25}, Show::Hidden},
    {1137, {180, 537, 25, 25}, Show::Hidden},
    {1161, {21, 692, 40, 16}, Show::Shown},
    {1210, {175, 692, 40, 16}, Show::Shown},
    {1132, {950, 610, 35, 25}, Show::Hidden},
    {1154, {490, 570, 60, 12}, Show::Hidden},
    {1000, {1003, 10, 19, 19}, Show::Shown},
    {1018, {1022, 10, 19, 19}, Show::Shown},
    {1001, {1041, 10, 19, 19}, Show::Shown},
    {1025, {}, Show::Hidden},
    {1155, {840, 537, 25, 25}, Show::Hidden},
    {1156, {880, 537, 25, 25}, Show::Hidden},
    {1158, {8, 250, 10, 60}, Show::Hidden},
    {1157, {657, 250, 10, 60}, Show::Hidden},
    {1013, {789, 75, 262, 297}, Show::Shown},
    {1164, {922, 639, 26, 37}, Show::Unchanged},
    {1165, {948, 639, 26, 37}, Show::Unchanged},
    {1166, {974, 639, 26, 37}, Show::Unchanged},
    {1167, {1007, 654, 39, 21}, Show::Shown},
    {1100, {742, 237, 124, 22}, Show::Hidden},
    {1099, {867, 237, 124, 22}, Show::Hidden},
    {1159, {789, 44, 52, 31}, Show::Shown},
    {1152, {845, 44, 52, 31}, Show::Shown},
    {1150, {901, 44, 52, 31}, Show::Shown},
    {1160, {957, 44, 52, 31}, Show::Shown},
    {1151, {831, 65, 82, 23}, Show::Hidden},
    {1153, {911, 65, 82, 23}, Show::Hidden},
    {1007, {320, 525, 40, 40}, Show::Hidden},
    {1002, {43, 486, 727, 17}, Show::Unchanged},
    {1019, {189, 602, 737, 20}, Show::Hidden},
    {1030, {189, 637, 737, 20}, Show::Hidden},
    {1024, {189, 675, 737, 20}, Show::Hidden},
    {1003, {}, Show::Shown},
    {1004, {820, 636, 90, 20}, Show::Shown},
    {1112, {820, 659, 90, 20}, Show::Shown},
    {1014, {49, 503, 50, 12}, Show::Unchanged},
    {1015, {714, 503, 50, 12}, Show::Unchanged},
    {1029, {188, 500, 15, 16}, Show::Unchanged},
    {1023, {796, 636, 24, 20}, Show::Shown},
    {1171, {796, 659, 24, 20}, Show::Shown},
    {1027, {}, Show::Hidden},
    {1097, {}, Show::Hidden},
    {1101, {}, Show::Hidden},
    {1125, {}, Show::Hidden},
};

struct ToolTip {
  int id;
  const char* text;
};

constexpr ToolTip kToolTips[] = {
    {1016, "Configuration"},
    {1101, "Map View"},
    {1017, "Capture"},
    {1099, "View Map"},
    {1163, "Print"},
    {1132, "List review"},
    {1121, "Zoom In"},
    {1152, "Normal"},
    {1012, "Select Drive"},
    {1150, "Event"},
    {1007, "Stop"},
    {1160, "Parking"},
    {1005, "Previous File"},
    {1159, "ALL"},
    {1009, "1 sec. before"},
    {1000, "Minimize"},
    {1006, "Play"},
    {1018, "Full Screen"},
    {1010, "1 sec. next"},
    {1025, "Original Screen"},
    {1008, "Next file"},
    {1001, "Close"},
    {1011, "Frame move"},
    {1161, "Info"},
    {1171, "Brightness Control"},
    {1210, "SD Card Format"},
    {1023, "Volume Control"},
    {1162, "Folder Open"},
    {1111, "Screen Horizontal"},
    {1168, "Camera 1"},
    {1110, "Screen Vertical"},
    {1169, "Camera 2"},
    {1167, "kmh / mph"},
    {1170, "MAP"},
};

}  // namespace

void CSamplePlayerDlg::CreateControls() {
  QFont small = font();
  small.setPixelSize(10);
  for (const ControlEntry& entry : kControls) {
    QWidget* control = nullptr;
    switch (entry.kind) {
      case Kind::Push:
      case Kind::Toggle: {
        auto* button = new QPushButton(entry.caption, this);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setCheckable(entry.kind == Kind::Toggle);
        button->setFont(small);
        control = button;
        break;
      }
      case Kind::Check:
        control = new QCheckBox(entry.caption, this);
        control->setFont(small);
        break;
      case Kind::Slider:
        control = new QSlider(Qt::Horizontal, this);
        break;
      case Kind::Label:
      case Kind::Picture: {
        auto* label = new QLabel(entry.caption, this);
        label->setFont(small);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor(80, 80, 80));
        label->setPalette(colours);
        control = label;
        break;
      }
    }
    control->setObjectName(QString::number(entry.id));
    m_controls.insert(entry.id, control);
  }
  // Positions the layouts do not give.
  Control(1003)->setGeometry(205, 500, 179, 20);
  Control(1025)->setGeometry(1022, 10, 19, 19);
  Control(1097)->setGeometry(742, 212, 60, 22);
  Control(1101)->setGeometry(867, 212, 60, 22);
  Control(1027)->setGeometry(49, 520, 120, 12);
  Control(1208)->setGeometry(0, 0, 751, 50);
  Control(1208)->hide();
  for (int id : {1164, 1165, 1166}) Control(id)->hide();

  m_pFileList = new catalog::CFileListWidget(this);
  m_controls.insert(1013, m_pFileList);

  m_pCalendar = new QCalendarWidget(this);
  m_pCalendar->setObjectName("1125");
  m_pCalendar->setGeometry(789, 380, 262, 180);
  m_controls.insert(1125, m_pCalendar);

  m_pMapView = new QWebEngineView(this);
  m_pMapView->setObjectName("1106");
  m_controls.insert(1106, m_pMapView);
}

void CSamplePlayerDlg::ApplyLayout(int screenMode) {
  if (screenMode != 1) return;  // the full-screen layout comes with the screen modes
  resize(1080, 710);
  m_pVideoView1->setGeometry(31, 46, 0, 0);
  m_pVideoView2->setGeometry(790, 380, 0, 0);
  m_pFrontHost->setGeometry(31, 46, 0, 0);
  m_pFrontHost->Surface()->resize(750, 422);
  m_pRearHost->setGeometry(0, 0, 556, 342);
  m_pRearHost->Surface()->resize(540, 303);
  m_pFrontHost->Surface()->update();
  m_pRearHost->Surface()->update();
  for (const Placement& place : kWindowedLayout) {
    QWidget* control = Control(place.id);
    if (!place.rect.isNull()) control->setGeometry(place.rect);
    if (place.show == Show::Shown) control->show();
    if (place.show == Show::Hidden) control->hide();
  }
  QSlider* progress = Slider(1002);
  progress->setTickInterval(1000);
  progress->setSingleStep(1000);
  progress->setPageStep(1000);
  Slider(1019)->setRange(0, 24);
  Slider(1019)->setValue(0);
  Slider(1019)->setPageStep(1);
  Slider(1030)->setValue(0);
  if (g_bMapOnline == 1) Control(1170)->show();
  update();
}

void CSamplePlayerDlg::AddToolTips() {
  for (const ToolTip& tip : kToolTips) Control(tip.id)->setToolTip(tip.text);
}

void CSamplePlayerDlg::ConnectControls() {
  for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
    const int id = it.key();
    if (auto* button = qobject_cast<QAbstractButton*>(it.value()))
      connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
    if (auto* slider = qobject_cast<QSlider*>(it.value())) {
      if (id == 1019 || id == 1030) continue;  // the time filters belong to the list
      connect(slider, &QAbstractSlider::actionTriggered, this, [this, id](int action) {
        switch (action) {
          case QAbstractSlider::SliderPageStepSub:
            OnHScroll(id, kPageLeft);
            break;
          case QAbstractSlider::SliderPageStepAdd:
            OnHScroll(id, kPageRight);
            break;
          case QAbstractSlider::SliderMove:
            OnHScroll(id, kThumbTrack);
            break;
          case QAbstractSlider::SliderSingleStepSub:
            OnHScroll(id, kLineLeft);
            break;
          case QAbstractSlider::SliderSingleStepAdd:
            OnHScroll(id, kLineRight);
            break;
          case QAbstractSlider::SliderToMinimum:
            OnHScroll(id, kLeft);
            break;
          case QAbstractSlider::SliderToMaximum:
            OnHScroll(id, kRight);
            break;
          default:
            break;
        }
      });
      connect(slider, &QAbstractSlider::sliderReleased, this,
              [this, id] { OnHScroll(id, kThumbPosition); });
    }
  }
  connect(m_pFileList, &catalog::CFileListWidget::RowActivated, this,
          [this](int row) { OpenRowAndPlay(row); });
}

void CSamplePlayerDlg::OnCommand(int id) {
  switch (id) {
    case 1000:
      OnMinimize();
      break;
    case 1001:
      OnExit();
      break;
    case 1005:
      OnPrevious();
      break;
    case 1006:
      OnPlayPause();
      break;
    case 1007:
      OnStop();
      break;
    case 1008:
      OnNext();
      break;
    case 1009:
      OnSecondBack();
      break;
    case 1010:
      OnSecondNext();
      break;
    case 1011:
      OnFrameStep();
      break;
    case 1023:
      OnMuteToggle();
      break;
    case 1137:
      OnRepair();
      break;
    case 1161:
      OnInformation();
      break;
    default:
      break;  // the commands of the other windows' features
  }
}

QAbstractButton* CSamplePlayerDlg::Button(int id) const {
  return qobject_cast<QAbstractButton*>(Control(id));
}
QSlider* CSamplePlayerDlg::Slider(int id) const { return qobject_cast<QSlider*>(Control(id)); }
QLabel* CSamplePlayerDlg::Label(int id) const { return qobject_cast<QLabel*>(Control(id)); }

}  // namespace motrevix
