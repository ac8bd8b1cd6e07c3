#include "config/setup_dialog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTimeEdit>
#include <algorithm>
#include <initializer_list>

#include "config/setup_defaults.h"
#include "config/time_zones.h"
#include "platform/dialog_palette.h"
#include "platform/dialog_units.h"

namespace motrevix::config {
namespace {

QLabel* Label(QWidget* page, const QString& text, QRect rect,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, page);
  label->setGeometry(rect);
  label->setAlignment(align);
  return label;
}

// An exclusive group of automatic radio buttons; button i has id i.
QButtonGroup* RadioGroup(QWidget* page, std::initializer_list<const char*> ids,
                         std::initializer_list<const char*> captions, int x, int y, int step,
                         int width) {
  auto* group = new QButtonGroup(page);
  auto caption = captions.begin();
  int index = 0;
  for (const char* id : ids) {
    auto* radio = new QRadioButton(*caption++, page);
    radio->setObjectName(id);
    radio->setGeometry(DialogRect(x + index * step, y, width, 10));
    group->addButton(radio, index++);
  }
  return group;
}

// The checked button's index, or none.
template <typename Enum>
std::optional<Enum> Checked(const QButtonGroup* group) {
  const int id = group->checkedId();
  if (id < 0) return std::nullopt;
  return static_cast<Enum>(id);
}

// Checks one button, or none: an exclusive group refuses to uncheck its last button,
// so exclusivity is lifted for the moment.
void Check(QButtonGroup* group, std::optional<int> index) {
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons())
    button->setChecked(index && group->id(button) == *index);
  group->setExclusive(true);
}

template <typename Enum>
std::optional<int> IndexOf(const std::optional<Enum>& value) {
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<int> IndexOf(const std::optional<bool>& on) {
  if (!on) return std::nullopt;
  return *on ? 1 : 0;
}

QSlider* Slider(QWidget* page, const char* id, QRect rect, int maximum) {
  auto* slider = new QSlider(Qt::Horizontal, page);
  slider->setObjectName(id);
  slider->setGeometry(rect);
  slider->setRange(0, maximum);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  return slider;
}

// Captions under (or over) a slider's positions, centred on each position.
void PositionLabels(QWidget* page, const QSlider* slider, std::initializer_list<const char*> texts,
                    int top) {
  const QRect track = slider->geometry();
  const int handleMargin = 6;  // the handle's centre never reaches the track's ends
  const int span = track.width() - 2 * handleMargin;
  const int count = static_cast<int>(texts.size());
  int index = 0;
  for (const char* text : texts) {
    const int centre = track.left() + handleMargin + span * index / (count - 1);
    Label(page, text, QRect(centre - 30, top, 60, 14), Qt::AlignHCenter | Qt::AlignVCenter);
    ++index;
  }
}

}  // namespace

CSetupDialog::CSetupDialog(const QDateTime& openedAt, QWidget* parent) : QWidget(parent) {
  setObjectName("348");
  BuildControls();
  m_pDate->setDate(openedAt.date());
  m_pTime->setTime(openedAt.time());
}

void CSetupDialog::BuildControls() {
  // Group boxes first, so that the controls over them stay on top. "&&" is a literal
  // ampersand in a group box title.
  const struct {
    const char* caption;
    QRect rect;
  } groups[] = {
      {"Audio", DialogRect(7, 11, 310, 56)},
      {"G-Sensor", DialogRect(7, 70, 310, 51)},
      {"Parking", DialogRect(7, 125, 309, 61)},
      {"Time Zone", DialogRect(7, 190, 310, 35)},
      {"Date && Time Setting", DialogRect(7, 231, 310, 40)},
      {"Frame Setting", DialogRect(329, 11, 270, 56)},
      {"Resolution Setting", DialogRect(329, 70, 270, 51)},
      {"Camera Setting", DialogRect(329, 125, 270, 55)},
      {"Quality", DialogRect(329, 190, 270, 81)},
  };
  QGroupBox* clockGroup = nullptr;
  for (const auto& group : groups) {
    auto* box = new QGroupBox(group.caption, this);
    box->setGeometry(group.rect);
    if (QString(group.caption).startsWith("Date")) clockGroup = box;
  }

  Label(this, "Audio Recording", DialogRect(17, 22, 75, 12));
  m_pAudio = RadioGroup(this, {"1195", "1196"}, {"OFF", "ON"}, 97, 23, 45, 40);
  Label(this, "Speaker", DialogRect(17, 40, 75, 12));
  m_pSpeaker = Slider(this, "1197", DialogRect(95, 39, 160, 15), kSpeakerPositions - 1);
  PositionLabels(this, m_pSpeaker, {"No", "Low", "Normal", "High"}, DialogRect(0, 54, 0, 0).y());

  Label(this, "Sensitivity", DialogRect(17, 92, 75, 12));
  Label(this, "Low", DialogRect(95, 81, 40, 9));
  Label(this, "High", DialogRect(215, 81, 40, 9), Qt::AlignRight | Qt::AlignVCenter);
  m_pSensitivity = Slider(this, "1198", DialogRect(95, 91, 160, 15), kSensitivityPositions - 1);
  PositionLabels(this, m_pSensitivity, {"1", "2", "3", "4", "5"}, DialogRect(0, 106, 0, 0).y());

  Label(this, "Entry Time", DialogRect(17, 137, 75, 12));
  m_pEntryTime = Slider(this, "1199", DialogRect(95, 136, 160, 15), kEntryTimePositions - 1);
  PositionLabels(this, m_pEntryTime, {"OFF", "5", "10", "20", "30 min"},
                 DialogRect(0, 151, 0, 0).y());
  Label(this, "Parking  LED", DialogRect(17, 166, 75, 12));
  m_pParkingLed = RadioGroup(this, {"1200", "1201"}, {"OFF", "ON"}, 97, 167, 45, 40);

  m_pTimeZone = new QComboBox(this);
  m_pTimeZone->setObjectName("1202");
  m_pTimeZone->setGeometry(DialogRect(59, 202, 245, 15));
  m_pTimeZone->setEditable(true);
  // Typed text selects a row only when it is a row's caption; it is never added.
  m_pTimeZone->setInsertPolicy(QComboBox::NoInsert);
  UseDarkPopup(m_pTimeZone);

  m_pClockBox = new QCheckBox("  ", this);
  m_pClockBox->setObjectName("1203");
  // On the group's frame just after its title; a title wider than the template's
  // font made it pushes the box to the right rather than under it.
  QRect clockBoxRect = DialogRect(77, 230, 13, 11);
  const int titleEnd =
      clockGroup->x() + 10 + clockGroup->fontMetrics().horizontalAdvance("Date & Time Setting");
  clockBoxRect.moveLeft(std::max(clockBoxRect.x(), titleEnd));
  m_pClockBox->setGeometry(clockBoxRect);
  m_pClockBox->setAutoFillBackground(true);  // hides the group frame behind it
  m_pDate = new QDateEdit(this);
  m_pDate->setObjectName("1204");
  m_pDate->setGeometry(DialogRect(89, 247, 75, 15));
  m_pDate->setDisplayFormat("yyyy-MM-dd");
  m_pTime = new QTimeEdit(this);
  m_pTime->setObjectName("1205");
  m_pTime->setGeometry(DialogRect(183, 247, 75, 15));
  m_pTime->setDisplayFormat("HH:mm:ss");
  connect(m_pClockBox, &QCheckBox::clicked, this, &CSetupDialog::OnClockBoxClicked);

  m_pFrameRate =
      RadioGroup(this, {"1219", "1220", "1221"}, {"15fps", "25fps", "30fps"}, 345, 33, 75, 55);
  m_pResolution = RadioGroup(this, {"1222", "1223"}, {"HD", "FULL HD"}, 345, 90, 75, 55);
  m_pBrightness =
      RadioGroup(this, {"1224", "1225", "1226"}, {"Dark", "Normal", "Bright"}, 345, 147, 75, 55);
  m_pQuality = RadioGroup(this, {"1227", "1228", "1229"}, {"Normal", "Fine", "Super Fine"}, 345,
                          225, 75, 60);
}

void CSetupDialog::Initialise(const std::filesystem::path& cardRoot, IUserPrompt& prompt) {
  m_pSensitivity->setValue(2);
  m_pSpeaker->setValue(3);
  m_pEntryTime->setValue(1);
  m_pClockBox->setChecked(false);
  OnClockBoxClicked();
  m_pTimeZone->clear();
  for (const TimeZoneRow& row : g_strTimeZones)
    m_pTimeZone->addItem(QString::fromUtf8(row.caption.data(), row.caption.size()));
  ShowFields(LoadSettingsPage(cardRoot, prompt));
}

void CSetupDialog::ApplyDefaultValues() { ShowFields(ApplyDefault()); }

void CSetupDialog::ShowFields(const SetupFields& fields) {
  Check(m_pAudio, IndexOf(fields.audioRecording));
  m_pSpeaker->setValue(fields.speakerPosition);
  m_pSensitivity->setValue(fields.sensitivityPosition);
  m_pEntryTime->setValue(fields.entryTimePosition);
  Check(m_pParkingLed, IndexOf(fields.parkingLed));
  m_pTimeZone->setCurrentIndex(fields.timeZoneRow);
  Check(m_pFrameRate, IndexOf(fields.frameRate));
  Check(m_pResolution, IndexOf(fields.resolution));
  Check(m_pBrightness, IndexOf(fields.cameraBrightness));
  Check(m_pQuality, IndexOf(fields.quality));
}

SetupFields CSetupDialog::Fields() const {
  SetupFields fields;
  const auto audio = m_pAudio->checkedId();
  if (audio >= 0) fields.audioRecording = audio == 1;
  fields.speakerPosition = m_pSpeaker->value();
  fields.sensitivityPosition = m_pSensitivity->value();
  fields.entryTimePosition = m_pEntryTime->value();
  const auto led = m_pParkingLed->checkedId();
  if (led >= 0) fields.parkingLed = led == 1;
  // The box's text decides: typed text that is no row's caption is no selection.
  fields.timeZoneRow = TimeZoneRowForCaption(m_pTimeZone->currentText().toStdString());
  fields.frameRate = Checked<FrameRate>(m_pFrameRate);
  fields.resolution = Checked<Resolution>(m_pResolution);
  fields.cameraBrightness = Checked<CameraBrightness>(m_pBrightness);
  fields.quality = Checked<Quality>(m_pQuality);
  return fields;
}

bool CSetupDialog::ClockRequested() const { return m_pClockBox->isChecked(); }

std::optional<CalendarDate> CSetupDialog::PickerDate() const {
  const QDate date = m_pDate->date();
  if (!date.isValid()) return std::nullopt;
  return CalendarDate{date.year(), date.month(), date.day()};
}

std::optional<ClockTime> CSetupDialog::PickerTime() const {
  const QTime time = m_pTime->time();
  if (!time.isValid()) return std::nullopt;
  return ClockTime{time.hour(), time.minute(), time.second()};
}

void CSetupDialog::OnClockBoxClicked() {
  const bool on = m_pClockBox->isChecked();
  m_pDate->setEnabled(on);
  m_pTime->setEnabled(on);
}

}  // namespace motrevix::config
