// What the main window is right after start-up.
#include <QAbstractButton>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QWebEngineView>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "catalog/file_list_widget.h"
#include "platform/settings_store.h"
#include "playback/sound_volume.h"
#include "telemetry/gsensor_window.h"
#include "tests/app/window_fixture.h"
#include "tests/support/recording_prompt.h"
#include "view/video_hosts.h"

namespace motrevix::test {
namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, WritesTheDecoderSettingsAndSizesAndNamesTheWindow) {
  CSamplePlayerDlg& window = Window();
  SettingsStore store(scratch_ / "registry.ini");
  const char* key = "Software\\GNU\\ffdshow";
  EXPECT_EQ(store.ReadDword(RegistryHive::CurrentUser, key, "multipleInstances"), 0u);
  EXPECT_EQ(store.ReadDword(RegistryHive::CurrentUser, key, "isWhitelist"), 0u);
  EXPECT_EQ(store.ReadDword(RegistryHive::CurrentUser, key, "h264"), 1u);
  EXPECT_EQ(window.size(), QSize(1080, 710));
  EXPECT_EQ(window.windowTitle(), "Motrevix");
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(StartUp, PlacesHostsSurfacesAndSideWindows) {
  CSamplePlayerDlg& window = Window();
  CZoomDlg* front = window.FrontHost();
  CRearViewDlg* rear = window.RearHost();
  ASSERT_NE(front, nullptr);
  ASSERT_NE(rear, nullptr);
  EXPECT_EQ(front->parentWidget(), &window);
  EXPECT_FALSE(front->isWindow());
  EXPECT_EQ(front->geometry(), QRect(31, 46, 0, 0));
  EXPECT_EQ(front->Surface()->objectName(), "Video window1");
  EXPECT_EQ(front->Surface()->size(), QSize(750, 422));
  EXPECT_TRUE(rear->isWindow());
  EXPECT_FALSE(rear->isVisibleTo(&window));
  EXPECT_EQ(rear->windowTitle(), "Motrevix ch.2");
  EXPECT_EQ(rear->Surface()->objectName(), "Video window2");
  EXPECT_EQ(rear->Surface()->size(), QSize(540, 303));

  EXPECT_EQ(window.GSensorWnd()->geometry(), QRect(50, 531, 714, 67));
  EXPECT_EQ(window.MapView()->geometry(), QRect(675, 60, 0, 0));
  EXPECT_TRUE(window.Player().HasPipeline());
  EXPECT_EQ(window.m_nScreenMode, 1);
  EXPECT_EQ(window.m_Panes.m_nFrontPane + window.m_Panes.m_nRearPane + window.m_Panes.m_nMapPane,
            0);
  EXPECT_EQ(window.m_bRecordingLoaded, 0);
  EXPECT_EQ(window.m_nCurrentItem, -1);
}

TEST_F(StartUp, ControlsHaveTheirFacesPlacesAndTooltips) {
  CSamplePlayerDlg& window = Window();
  const struct {
    int id;
    int face;
    QRect rect;
    bool visible;
    const char* tip;
  } cases[] = {
      {kIdPlay, 232, {299, 635, 45, 45}, true, "Play (Space)"},
      {kIdPrevious, 241, {229, 642, 32, 32}, true, "Previous File (Page Up)"},
      {kIdNext, 244, {385, 642, 32, 32}, true, "Next file (Page Down)"},
      {kIdStop, 240, {320, 525, 40, 40}, false, "Stop"},
      {kIdExit, 265, {1041, 10, 19, 19}, true, "Close"},
      {kIdMinimize, 264, {1003, 10, 19, 19}, true, "Minimize"},
      {kIdInformation, 327, {21, 692, 40, 16}, true, "Info"},
      {kIdCameraMap, 354, {719, 642, 64, 34}, false, "MAP"},
      {kIdFormatCard, 400, {175, 692, 40, 16}, true, "SD Card Format"},
      {kIdMute, 267, {796, 636, 24, 20}, true, "Volume Control (M; + / -)"},
      {kIdFlipVertical, 276, {508, 642, 32, 32}, true, "Screen Vertical"},
      // The face is larger than the layout's slot and wins after start-up.
      {kIdConfiguration, 268, {29, 642, 34, 34}, true, "Configuration"},
      {kIdCategoryAll, 323, {789, 44, 52, 31}, true, "ALL"},
  };
  for (const auto& c : cases) {
    QAbstractButton* button = window.Button(c.id);
    ASSERT_NE(button, nullptr) << c.id;
    EXPECT_EQ(button->property("faceNumber").toInt(), c.face) << c.id;
    EXPECT_TRUE(button->text().isEmpty()) << "the face carries the caption: " << c.id;
    EXPECT_EQ(button->geometry(), c.rect) << c.id;
    EXPECT_EQ(button->isVisibleTo(&window), c.visible) << c.id;
    EXPECT_EQ(button->toolTip(), c.tip) << c.id;
  }
  // The program's own icon (built in when no icon theme has it installed).
  const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon, QIcon(":/motrevix/io.github.motrevix.Motrevix.svg").pixmap(32, 32).toImage());
  EXPECT_EQ(window.Control(kIdFileList)->geometry(), QRect(789, 75, 262, 297));
  EXPECT_EQ(window.Control(kIdProgress)->geometry(), QRect(43, 486, 727, 17));
  EXPECT_EQ(window.Label(kIdPositionTime)->text(), "00:00:00");
  EXPECT_EQ(window.Label(kIdDurationTime)->text(), "00:00:00");
  for (int id : {kIdProgress, kIdRate, kIdVolume, kIdHourFilter, kIdSecondProgress, kIdMinuteFilter,
                 kIdBrightness, kIdMapView, kIdCalendar, kIdMapCheck, kIdRearCheck, kIdFlipVertical,
                 kIdMirror})
    EXPECT_EQ(window.findChild<QWidget*>(QString::number(id)), window.Control(id)) << id;
}

TEST_F(StartUp, SlidersStartWithTheirRangesAndPositions) {
  CSamplePlayerDlg& window = Window();
  const struct {
    int id, minimum, maximum, value;
    bool visible;
  } cases[] = {
      {kIdVolume, 0, 100, 50, true},       {kIdHourFilter, 0, 24, 0, false},
      {kIdMinuteFilter, 0, 60, 0, false},  {kIdRate, 1, 9, 5, true},
      {kIdBrightness, -150, 150, 0, true},
  };
  for (const auto& c : cases) {
    QSlider* slider = window.Slider(c.id);
    EXPECT_EQ(slider->minimum(), c.minimum) << c.id;
    EXPECT_EQ(slider->maximum(), c.maximum) << c.id;
    EXPECT_EQ(slider->value(), c.value) << c.id;
    EXPECT_EQ(slider->isVisibleTo(&window), c.visible) << c.id;
  }
}

TEST_F(StartUp, FileListHasItsColumnsAndColours) {
  CSamplePlayerDlg& window = Window();
  catalog::CFileListWidget* list = window.FileList();
  ASSERT_EQ(list->columnCount(), 4);
  const int widths[] = {170, 65, 0, 0};
  for (int column = 0; column < 4; ++column)
    EXPECT_EQ(list->columnWidth(column), widths[column]) << column;
  EXPECT_TRUE(list->isHeaderHidden());
  EXPECT_EQ(list->palette().color(QPalette::Base), QColor(235, 235, 235));
  EXPECT_EQ(list->font().family(), "Arial");
  // A row's text fits the 17-pixel cell.
  EXPECT_LE(QFontMetrics(list->font()).height(), 17);
  EXPECT_GE(QFontMetrics(list->font()).height(), 15);
  EXPECT_EQ(list->RowTextColour(0), QColor(80, 80, 80));
  list->SetPlayingRow(2);
  EXPECT_EQ(list->RowTextColour(2), QColor(95, 150, 238));
  EXPECT_EQ(list->RowTextColour(0), QColor(80, 80, 80));
}

TEST_F(StartUp, ReportsMissingComponentsAndGoesOn) {
  const struct {
    std::string_view missing;
    const char* message;
  } cases[] = {
      {clsid::kStreamParser, "Source Filter is unregisted."},
      {clsid::kVideoDecoder, "Video Filter(ffdshow) is unregisted."},
  };
  for (const auto& c : cases) {
    RecordingPrompt prompt;
    MainWindowOptions options;
    options.components.unavailable.insert(std::string(c.missing));
    options.forceOnline = false;
    CSamplePlayerDlg window(prompt, options);
    ASSERT_EQ(prompt.messages.size(), 1u) << c.message;
    EXPECT_EQ(prompt.messages[0].text, c.message);
    EXPECT_EQ(window.size(), QSize(1080, 710));
  }
}

}  // namespace
}  // namespace motrevix::test
