#pragma once
// The edited fields of the settings record as the SETTING page holds them: which
// radio button of each group is checked (none, after a record with an unknown
// value), the slider positions and the selected time-zone row. Loading maps record
// values to these, saving maps them back; the two maps are not inverse for values
// the page cannot show.

#include <optional>

#include "config/setup_record.h"

namespace motrevix::config {

enum class Resolution { HD, FullHD };
enum class Quality { Normal, Fine, SuperFine };
enum class FrameRate { Fps15, Fps25, Fps30 };
enum class CameraBrightness { Dark, Normal, Bright };

// Slider ranges: speaker 0..3 (No, Low, Normal, High), sensitivity 0..4 (shown
// as 1..5), parking entry time 0..4 (OFF, 5, 10, 20, 30 min).
constexpr int kSpeakerPositions = 4;
constexpr int kSensitivityPositions = 5;
constexpr int kEntryTimePositions = 5;

struct SetupFields {
  std::optional<bool> audioRecording;                // radios 1195 OFF / 1196 ON
  int speakerPosition = 3;                           // slider 1197
  int sensitivityPosition = 2;                       // slider 1198
  int entryTimePosition = 1;                         // slider 1199
  std::optional<bool> parkingLed;                    // radios 1200 OFF / 1201 ON
  int timeZoneRow = -1;                              // combo 1202; -1 when no row is selected
  std::optional<FrameRate> frameRate;                // radios 1219..1221
  std::optional<Resolution> resolution;              // radios 1222..1223
  std::optional<CameraBrightness> cameraBrightness;  // radios 1224..1226
  std::optional<Quality> quality;                    // radios 1227..1229

  bool operator==(const SetupFields&) const = default;
};

// What the page shows for a record (the load column of the control mapping).
SetupFields FieldsFromRecord(const CSetupRecord& record);

// Overwrites the edited fields of a record from the page (the save column). A radio
// group with no button checked leaves its field as it was; the time zone is always
// written. The CRC is not touched.
void ApplyFieldsToRecord(const SetupFields& fields, CSetupRecord& record);

// Record values of the slider positions.
int SpeakerVolumeForPosition(int position);
int EntryTimeForPosition(int position);

}  // namespace motrevix::config
