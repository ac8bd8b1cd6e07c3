#include "config/setup_field_words.h"

#include <cctype>
#include <charconv>

#include "config/time_zones.h"

namespace motrevix::config {

namespace {

namespace off = setup_offset;

const EditedField kTimeZoneField{"timezone", off::kTimeZone, {}};

std::string Normalised(std::string_view word) {
  std::string out;
  for (char c : word) {
    if (c == ' ' || c == '_' || c == '\t') continue;
    out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  for (std::string_view unit : {"FPS", "MIN"})
    if (out.size() > unit.size() && out.ends_with(unit)) out.resize(out.size() - unit.size());
  return out;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

const std::vector<EditedField>& EditedFields() {
  static const std::vector<EditedField> fields = {
      {"resolution", off::kResolution, {{"HD", 1}, {"FULLHD", 2}}},
      {"quality", off::kQuality, {{"NORMAL", 1}, {"FINE", 2}, {"SUPERFINE", 3}}},
      {"audio", off::kAudioRecording, {{"OFF", 0}, {"ON", 1}}},
      {"speaker", off::kSpeakerVolume, {{"NO", 0}, {"LOW", 6}, {"NORMAL", 8}, {"HIGH", 10}}},
      {"sensitivity", off::kGSensorSensitivity, {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"5", 4}}},
      {"brightness", off::kCameraBrightness, {{"DARK", -3}, {"NORMAL", 0}, {"BRIGHT", 3}}},
      {"frame_rate", off::kFrameRate, {{"15FPS", 0}, {"25FPS", 1}, {"30FPS", 2}}},
      kTimeZoneField,
      {"entry_time",
       off::kParkingEntryTime,
       {{"OFF", 0}, {"5MIN", 4}, {"10MIN", 1}, {"20MIN", 2}, {"30MIN", 3}}},
      {"parking_led", off::kParkingLed, {{"OFF", 0}, {"ON", 1}}},
  };
  return fields;
}

const EditedField* FindEditedField(std::string_view name) {
  for (const auto& field : EditedFields())
    if (field.name == name) return &field;
  return nullptr;
}

std::optional<std::string> WordForValue(const EditedField& field, std::int32_t value) {
  if (field.words.empty()) {
    const int row = TimeZoneRowForOffset(value);
    if (g_strTimeZones[row].minutes != value) return std::nullopt;
    return std::string(g_strTimeZones[row].caption);
  }
  for (const auto& word : field.words)
    if (word.value == value) return std::string(word.word);
  return std::nullopt;
}

std::optional<std::int32_t> ValueForWord(const EditedField& field, std::string_view word) {
  if (field.words.empty()) {
    const auto minutes = ParseInteger(word);
    if (!minutes || g_strTimeZones[TimeZoneRowForOffset(*minutes)].minutes != *minutes)
      return std::nullopt;
    return minutes;
  }
  const std::string wanted = Normalised(word);
  for (const auto& candidate : field.words)
    if (Normalised(candidate.word) == wanted) return candidate.value;
  return std::nullopt;
}

std::string DescribeWords(const EditedField& field) {
  if (field.words.empty()) return "a minute offset of the time-zone list, -720 to 720";
  std::string out;
  for (const auto& word : field.words) {
    if (!out.empty()) out += ", ";
    out += word.word;
  }
  return out;
}

}  // namespace motrevix::config
