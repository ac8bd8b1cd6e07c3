#pragma once
// `CSetupDialog`: the SETTING page of the CONFIGURATION dialog. It shows the edited
// fields of the settings record, the time-zone list and the camera clock's box and
// pickers; the pickers hold the date and time the dialog was opened.

#include <QDateTime>
#include <QWidget>
#include <filesystem>

#include "config/camera_files.h"
#include "config/setup_fields.h"
#include "platform/user_prompt.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QSlider;
class QTimeEdit;

namespace motrevix::config {

class CSetupDialog : public QWidget {
  Q_OBJECT

 public:
  CSetupDialog(const QDateTime& openedAt, QWidget* parent = nullptr);

  // Sliders, box, pickers and time-zone rows to their start, then the card's
  // record (or DEFAULT when it cannot be read).
  void Initialise(const std::filesystem::path& cardRoot, IUserPrompt& prompt);
  // DEFAULT: the record's DEFAULT values and the page's; box and pickers stay.
  void ApplyDefaultValues();

  void ShowFields(const SetupFields& fields);
  SetupFields Fields() const;

  // The clock part of a save: whether to write it, and the pickers' values.
  bool ClockRequested() const;
  std::optional<CalendarDate> PickerDate() const;
  std::optional<ClockTime> PickerTime() const;

 private:
  void BuildControls();
  void OnClockBoxClicked();

  QButtonGroup* m_pAudio = nullptr;
  QButtonGroup* m_pParkingLed = nullptr;
  QButtonGroup* m_pFrameRate = nullptr;
  QButtonGroup* m_pResolution = nullptr;
  QButtonGroup* m_pBrightness = nullptr;
  QButtonGroup* m_pQuality = nullptr;
  QSlider* m_pSpeaker = nullptr;
  QSlider* m_pSensitivity = nullptr;
  QSlider* m_pEntryTime = nullptr;
  QComboBox* m_pTimeZone = nullptr;
  QCheckBox* m_pClockBox = nullptr;
  QDateEdit* m_pDate = nullptr;
  QTimeEdit* m_pTime = nullptr;
};

}  // namespace motrevix::config
