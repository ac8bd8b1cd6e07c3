#include "config/setup_fields.h"

#include <algorithm>
#include <array>

#include "config/time_zones.h"

namespace motrevix::config {

namespace {

namespace off = setup_offset;

constexpr std::array<int, kSpeakerPositions> kSpeakerVolumes = {0, 6, 8, 10};
// Position 1 is 5 minutes, stored as 4; the codes of 10, 20 and 30 minutes are 1, 2, 3.
constexpr std::array<int, kEntryTimePositions> kEntryTimes = {0, 4, 1, 2, 3};

constexpr std::array<int, 3> kFrameRates = {0, 1, 2};
constexpr std::array<int, 2> kResolutions = {1, 2};
constexpr std::array<int, 3> kBrightnesses = {-3, 0, 3};
constexpr std::array<int, 3> kQualities = {1, 2, 3};

// The radio button (as an enum) that shows a stored value; none for other values.
template <typename Enum, std::size_t N>
std::optional<Enum> ButtonForValue(const std::array<int, N>& values, int value) {
  const auto found = std::find(values.begin(), values.end(), value);
  if (found == values.end()) return std::nullopt;
  return static_cast<Enum>(found - values.begin());
}

template <typename Enum, std::size_t N>
void StoreButton(const std::array<int, N>& values, const std::optional<Enum>& button,
                 std::size_t offset, CSetupRecord& record) {
  if (button) record.Set(offset, values[static_cast<std::size_t>(*button)]);
}

std::optional<bool> OnOffForValue(int value) {
  if (value == 0) return false;
  if (value == 1) return true;
  return std::nullopt;
}

void StoreOnOff(const std::optional<bool>& on, std::size_t offset, CSetupRecord& record) {
  if (on) record.Set(offset, *on ? 1 : 0);
}

int SpeakerPositionForVolume(int volume) {
  const auto found = std::find(kSpeakerVolumes.begin(), kSpeakerVolumes.end(), volume);
  return found == kSpeakerVolumes.end() ? kSpeakerPositions - 1
                                        : static_cast<int>(found - kSpeakerVolumes.begin());
}

int EntryTimePositionForCode(int code) {
  const auto found = std::find(kEntryTimes.begin(), kEntryTimes.end(), code);
  return found == kEntryTimes.end() ? 1 : static_cast<int>(found - kEntryTimes.begin());
}

}  // namespace

int SpeakerVolumeForPosition(int position) {
  return kSpeakerVolumes[std::clamp(position, 0, kSpeakerPositions - 1)];
}

int EntryTimeForPosition(int position) {
  return kEntryTimes[std::clamp(position, 0, kEntryTimePositions - 1)];
}

SetupFields FieldsFromRecord(const CSetupRecord& record) {
  SetupFields fields;
  fields.audioRecording = OnOffForValue(record.Get(off::kAudioRecording));
  fields.speakerPosition = SpeakerPositionForVolume(record.Get(off::kSpeakerVolume));
  // The slider clamps what it cannot show.
  fields.sensitivityPosition =
      std::clamp(record.Get(off::kGSensorSensitivity), 0, kSensitivityPositions - 1);
  fields.entryTimePosition = EntryTimePositionForCode(record.Get(off::kParkingEntryTime));
  fields.parkingLed = OnOffForValue(record.Get(off::kParkingLed));
  fields.timeZoneRow = TimeZoneRowForOffset(record.Get(off::kTimeZone));
  fields.frameRate = ButtonForValue<FrameRate>(kFrameRates, record.Get(off::kFrameRate));
  fields.resolution = ButtonForValue<Resolution>(kResolutions, record.Get(off::kResolution));
  fields.cameraBrightness =
      ButtonForValue<CameraBrightness>(kBrightnesses, record.Get(off::kCameraBrightness));
  fields.quality = ButtonForValue<Quality>(kQualities, record.Get(off::kQuality));
  return fields;
}

void ApplyFieldsToRecord(const SetupFields& fields, CSetupRecord& record) {
  StoreOnOff(fields.audioRecording, off::kAudioRecording, record);
  record.Set(off::kSpeakerVolume, SpeakerVolumeForPosition(fields.speakerPosition));
  record.Set(off::kGSensorSensitivity,
             std::clamp(fields.sensitivityPosition, 0, kSensitivityPositions - 1));
  record.Set(off::kParkingEntryTime, EntryTimeForPosition(fields.entryTimePosition));
  StoreOnOff(fields.parkingLed, off::kParkingLed, record);
  record.Set(off::kTimeZone, TimeZoneOffsetForRow(fields.timeZoneRow));
  StoreButton(kFrameRates, fields.frameRate, off::kFrameRate, record);
  StoreButton(kResolutions, fields.resolution, off::kResolution, record);
  StoreButton(kBrightnesses, fields.cameraBrightness, off::kCameraBrightness, record);
  StoreButton(kQualities, fields.quality, off::kQuality, record);
}

}  // namespace motrevix::config
