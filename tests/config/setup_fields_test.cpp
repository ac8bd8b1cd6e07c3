// The edited fields: what the page shows for a stored value and what it saves back,
// and the time-zone list.
#include "config/setup_fields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/setup_record.h"
#include "config/time_zones.h"

namespace motrevix::config {
namespace {

namespace off = setup_offset;

struct LoadSaveCase {
  const char* field;
  std::size_t offset;
  std::int32_t stored;
  std::int32_t saved;  // after loading into the page and saving unchanged
};

const LoadSaveCase kLoadSaveCases[] = {
    {"resolution HD", off::kResolution, 1, 1},
    {"resolution FULL HD", off::kResolution, 2, 2},
    {"resolution unknown kept", off::kResolution, 3, 3},
    {"quality Super Fine", off::kQuality, 3, 3},
    {"quality unknown kept", off::kQuality, 0, 0},
    {"audio off", off::kAudioRecording, 0, 0},
    {"audio unknown kept", off::kAudioRecording, 5, 5},
    {"led on", off::kParkingLed, 1, 1},
    {"led unknown kept", off::kParkingLed, -1, -1},
    {"frame 25", off::kFrameRate, 1, 1},
    {"frame unknown kept", off::kFrameRate, 3, 3},
    {"brightness dark", off::kCameraBrightness, -3, -3},
    {"brightness bright", off::kCameraBrightness, 3, 3},
    {"brightness unknown kept", off::kCameraBrightness, 1, 1},
    {"speaker no", off::kSpeakerVolume, 0, 0},
    {"speaker low", off::kSpeakerVolume, 6, 6},
    {"speaker normal", off::kSpeakerVolume, 8, 8},
    {"speaker 7 to high", off::kSpeakerVolume, 7, 10},
    {"speaker negative to high", off::kSpeakerVolume, -5, 10},
    {"sensitivity 0", off::kGSensorSensitivity, 0, 0},
    {"sensitivity 4", off::kGSensorSensitivity, 4, 4},
    {"sensitivity clamped high", off::kGSensorSensitivity, 7, 4},
    {"sensitivity clamped low", off::kGSensorSensitivity, -1, 0},
    {"entry off", off::kParkingEntryTime, 0, 0},
    {"entry 5 min", off::kParkingEntryTime, 4, 4},
    {"entry 10 min", off::kParkingEntryTime, 1, 1},
    {"entry 30 min", off::kParkingEntryTime, 3, 3},
    {"entry unknown to 5 min", off::kParkingEntryTime, 9, 4},
    {"time zone Seoul", off::kTimeZone, 540, 540},
    {"time zone Newfoundland", off::kTimeZone, -210, -210},
    {"time zone -12", off::kTimeZone, -720, -720},
    {"time zone +12", off::kTimeZone, 720, 720},
    {"time zone 45 to GMT", off::kTimeZone, 45, 0},
};

TEST(ConfigSetupFields, LoadThenSaveKeepsOrNormalisesEachField) {
  for (const auto& c : kLoadSaveCases) {
    SCOPED_TRACE(c.field);
    CSetupRecord record;
    for (std::size_t i = 0; i < CSetupRecord::kSize; ++i)
      record.Bytes()[i] = static_cast<std::uint8_t>(i * 13 + 5);
    // The other edited fields hold values the page can show, so only this one moves.
    record.Set(off::kResolution, 2);
    record.Set(off::kQuality, 2);
    record.Set(off::kAudioRecording, 1);
    record.Set(off::kSpeakerVolume, 10);
    record.Set(off::kGSensorSensitivity, 2);
    record.Set(off::kCameraBrightness, 0);
    record.Set(off::kFrameRate, 2);
    record.Set(off::kTimeZone, 540);
    record.Set(off::kParkingEntryTime, 4);
    record.Set(off::kParkingLed, 1);
    record.Set(c.offset, c.stored);
    const CSetupRecord loaded = record;

    ApplyFieldsToRecord(FieldsFromRecord(loaded), record);

    EXPECT_EQ(record.Get(c.offset), c.saved);
    for (std::size_t i = 0; i < CSetupRecord::kSize; ++i)
      if (i < c.offset || i >= c.offset + 4) {
        ASSERT_EQ(record.Bytes()[i], loaded.Bytes()[i]) << i;
      }
  }
}

TEST(ConfigSetupFields, LoadShowsValuesAsTheControlsCan) {
  CSetupRecord record;
  record.Set(off::kResolution, 3);
  record.Set(off::kAudioRecording, 5);
  record.Set(off::kSpeakerVolume, 7);
  record.Set(off::kParkingEntryTime, 1);  // 10 minutes
  record.Set(off::kTimeZone, 45);
  record.Set(off::kCameraBrightness, -3);
  record.Set(off::kGSensorSensitivity, 9);
  const SetupFields shown = FieldsFromRecord(record);
  EXPECT_EQ(shown.resolution, std::nullopt);
  EXPECT_EQ(shown.audioRecording, std::nullopt);
  EXPECT_EQ(shown.speakerPosition, 3);
  EXPECT_EQ(shown.entryTimePosition, 2);
  EXPECT_EQ(shown.timeZoneRow, kGmtTimeZoneRow);
  EXPECT_EQ(shown.cameraBrightness, CameraBrightness::Dark);
  EXPECT_EQ(shown.sensitivityPosition, 4);
  EXPECT_EQ(shown.parkingLed, false);  // 0
  EXPECT_EQ(shown.frameRate, FrameRate::Fps15);
}

TEST(ConfigSetupFields, SaveMapsSliderPositionsAndTimeZoneRows) {
  const int speaker[] = {0, 6, 8, 10};
  const int entry[] = {0, 4, 1, 2, 3};
  for (int position = 0; position < 5; ++position) {
    SetupFields fields;
    fields.speakerPosition = std::min(position, 3);
    fields.entryTimePosition = position;
    CSetupRecord record;
    ApplyFieldsToRecord(fields, record);
    EXPECT_EQ(record.Get(off::kSpeakerVolume), speaker[std::min(position, 3)]);
    EXPECT_EQ(record.Get(off::kParkingEntryTime), entry[position]);
  }
  const struct {
    int row;
    int minutes;
  } rows[] = {{kNoTimeZoneRow, 0}, {kGmtTimeZoneRow, 0}, {0, -720}, {25, 540}, {29, 720}};
  for (const auto& r : rows) {
    SetupFields fields;
    fields.timeZoneRow = r.row;
    CSetupRecord record;
    record.Set(off::kTimeZone, 123);
    ApplyFieldsToRecord(fields, record);
    EXPECT_EQ(record.Get(off::kTimeZone), r.minutes) << "row " << r.row;
  }
  // Free text typed into the box selects no row and saves GMT.
  EXPECT_EQ(TimeZoneRowForCaption("Seoul"), kNoTimeZoneRow);
  EXPECT_EQ(TimeZoneRowForCaption("GMT+09:00 Seoul,Tokyo"), 25);
}

TEST(ConfigTimeZones, CaptionsAgreeWithTheirOffsets) {
  ASSERT_EQ(g_strTimeZones.size(), 30u);
  for (int row = 0; row < kTimeZoneRowCount; ++row) {
    const auto& zone = g_strTimeZones[row];
    SCOPED_TRACE(std::string(zone.caption));
    if (row == kGmtTimeZoneRow) {
      EXPECT_EQ(zone.caption.substr(0, 10), "GMT       ");  // seven blanks align the names
      EXPECT_EQ(zone.minutes, 0);
      continue;
    }
    char sign = 0;
    int hours = 0;
    int minutes = 0;
    ASSERT_EQ(
        std::sscanf(std::string(zone.caption).c_str(), "GMT%c%2d:%2d", &sign, &hours, &minutes), 3);
    EXPECT_EQ(zone.minutes, (sign == '-' ? -1 : 1) * (hours * 60 + minutes));
    EXPECT_EQ(zone.caption[9], ' ');
    if (row > 0) {
      EXPECT_GT(zone.minutes, g_strTimeZones[row - 1].minutes);
    }
  }
  EXPECT_EQ(g_strTimeZones[25].caption, "GMT+09:00 Seoul,Tokyo");
}

}  // namespace
}  // namespace motrevix::config
