#include "app/file_list_commands.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextCharFormat>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/scroll_codes.h"
#include "catalog/catalog_globals.h"
#include "catalog/file_list_widget.h"
#include "catalog/list_filters.h"
#include "catalog/recording_listing.h"

namespace motrevix {
namespace {

using catalog::FilterFollowUp;

constexpr int kPathColumn = 3;

void OnCategory(CSamplePlayerDlg& window, catalog::RecordingCategory category) {
  const catalog::CategoryCommandPlan plan =
      catalog::PlanCategoryCommand(category, catalog::CurrentSourceSelection());
  if (plan.lists) {
    window.m_strCurrentFolder = plan.folder;
    RefreshList(window);
    SetCurrentItem(window, plan.forgetsPlayedRow ? -1 : window.m_nCurrentItem);
  }
  ApplyFaces(window, plan.faces);
}

// A time slider's position becomes the chosen value; its range is set again.
int TakeSliderPosition(CSamplePlayerDlg& window, int id, int maximum) {
  QSlider* slider = window.Slider(id);
  const int position = slider->sliderPosition();
  {
    const QSignalBlocker block(slider);
    slider->setRange(0, maximum);
    slider->setValue(position);
  }
  slider->update();
  return position;
}

// The path of the row after the selected one (the first row when none is).
QString FollowingRowPath(const catalog::CFileListWidget& list) {
  return list.ItemText(list.FirstSelectedRow() + 1, kPathColumn);
}

void ShowFilteredRows(CSamplePlayerDlg& window, const catalog::RecordingRows& rows,
                      FilterFollowUp followUp) {
  catalog::CFileListWidget* list = window.FileList();
  list->SetRows(rows);
  if (followUp == FilterFollowUp::Stop) window.OnStop();
  if (followUp == FilterFollowUp::PlayFirstRow) window.OpenRowAndPlay(0);
  list->update();
}

void OnHourScroll(CSamplePlayerDlg& window, int code) {
  if (!SliderActsOn(code)) return;
  catalog::g_nSelectedHour = TakeSliderPosition(window, kIdHourFilter, 24);
  const QString following = FollowingRowPath(*window.FileList());
  window.FileList()->DeleteAllItems();
  catalog::RecordingRows rows;
  catalog::ListByHour(window.m_strCurrentFolder, window.m_Listing, rows);
  ShowFilteredRows(window, rows,
                   catalog::HourFilterFollowUp(following, catalog::g_nSelectedHour, rows.empty()));
}

void OnMinuteScroll(CSamplePlayerDlg& window, int code) {
  if (!SliderActsOn(code)) return;
  catalog::g_nSelectedMinute = TakeSliderPosition(window, kIdMinuteFilter, 60);
  const QString following = FollowingRowPath(*window.FileList());
  window.FileList()->DeleteAllItems();
  catalog::RecordingRows rows;
  catalog::ListByMinute(window.m_strCurrentFolder, rows);
  ShowFilteredRows(window, rows,
                   catalog::MinuteFilterFollowUp(following, catalog::g_nSelectedMinute,
                                                 window.m_Listing.m_nCurrentHour, rows.empty()));
}

// The calendar's colours: a dark month under a grey title bar with black text.
void StyleCalendar(QCalendarWidget& calendar) {
  calendar.setStyleSheet(
      "QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: rgb(100, 100, 100); }"
      "QCalendarWidget QToolButton { color: black; background-color: rgb(100, 100, 100); }"
      "QCalendarWidget QAbstractItemView { background-color: rgb(30, 30, 30);"
      " color: rgb(200, 200, 200); selection-background-color: rgb(95, 150, 238); }");
  calendar.setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  // One letter a weekday: the seven columns of the extended layout's narrow
  // calendar are about 30 pixels wide.
  calendar.setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
  QTextCharFormat weekdays;
  weekdays.setForeground(QColor(200, 200, 200));
  weekdays.setBackground(QColor(30, 30, 30));
  calendar.setHeaderTextFormat(weekdays);
  for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) calendar.setWeekdayTextFormat(day, weekdays);
}

}  // namespace

void InstallFileListCommands(CSamplePlayerDlg& window) {
  CommandRouter& commands = window.Commands();
  for (catalog::RecordingCategory category : catalog::kRecordingCategories)
    commands.Register(catalog::CategoryButtonId(category),
                      [&window, category] { OnCategory(window, category); });
  commands.Register(kIdListReview, [&window] { RefreshList(window); });
  commands.RegisterScroll(kIdHourFilter, [&window](int code) { OnHourScroll(window, code); });
  commands.RegisterScroll(kIdMinuteFilter, [&window](int code) { OnMinuteScroll(window, code); });

  auto* calendar = qobject_cast<QCalendarWidget*>(window.Control(kIdCalendar));
  StyleCalendar(*calendar);
  // Only a day the user picks lists; the day Play shows in the calendar does not.
  QObject::connect(calendar, &QCalendarWidget::clicked, &window,
                   [&window](QDate day) { ListCalendarDay(window, day); });
  ApplyFaces(window, catalog::StartupCategoryFaces());
}

void RefreshList(CSamplePlayerDlg& window) {
  catalog::RecordingRows rows;
  catalog::ListAll(window.m_strCurrentFolder, rows);
  catalog::SortByNameOrder(rows);
  window.FileList()->SetRows(rows);
  for (int id : {kIdPositionTime, kIdDurationTime, kIdCategoryAll, kIdCategoryNormal,
                 kIdCategoryEvent, kIdCategoryParking})
    window.Control(id)->update();
  catalog::g_strLastListedFolder = window.m_strCurrentFolder;
}

void SetCurrentItem(CSamplePlayerDlg& window, int row) {
  window.m_nCurrentItem = row;
  window.FileList()->SetPlayingRow(row);
}

void ApplyFaces(CSamplePlayerDlg& window, const std::vector<catalog::ButtonFaceChange>& faces) {
  for (const catalog::ButtonFaceChange& change : faces)
    window.SetButtonFaces(change.id, change.faces);
}

void ListCalendarDay(CSamplePlayerDlg& window, QDate day) {
  window.m_Listing.m_nCalYear = day.year();
  window.m_Listing.m_nCalMonth = day.month();
  window.m_Listing.m_nCalDay = day.day();
  catalog::RecordingRows rows;
  catalog::ListByDay(window.m_strCurrentFolder, window.m_Listing, rows);
  window.FileList()->SetRows(rows);
  window.update();
}

}  // namespace motrevix
