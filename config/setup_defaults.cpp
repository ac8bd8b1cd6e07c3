#include "config/setup_defaults.h"

#include <cstddef>

namespace motrevix::config {

namespace {

struct DefaultWord {
  std::size_t offset;
  std::int32_t value;
};

// Every word DEFAULT sets, in record order. Words not listed here are kept.
constexpr DefaultWord kDefaultWords[] = {
    {44, 2},  {48, 2},  {52, 0},  {56, 0},  {60, 1},  {64, 10}, {68, 10}, {72, 1},    {76, 1},
    {80, 1},  {84, 2},  {88, 0},  {92, 0},  {96, 0},  {100, 0}, {104, 0}, {108, 0},   {144, 0},
    {148, 0}, {152, 0}, {156, 0}, {160, 0}, {164, 0}, {168, 0}, {172, 0}, {176, 0},   {180, 0},
    {184, 0}, {188, 0}, {192, 0}, {196, 0}, {200, 0}, {204, 0}, {208, 1}, {212, 0},   {216, 1},
    {220, 2}, {224, 0}, {228, 3}, {232, 1}, {236, 0}, {240, 0}, {244, 1}, {248, 2},   {252, 0},
    {256, 0}, {260, 1}, {264, 2}, {268, 0}, {272, 1}, {276, 4}, {280, 1}, {284, 540}, {288, 0},
    {292, 2}, {296, 2}, {300, 4}, {304, 7}, {308, 0}, {316, 0}, {320, 1}, {324, 4},   {328, 0},
    {332, 0}, {336, 1},
};

// In the area 112..143 DEFAULT clears this one byte only.
constexpr std::size_t kDefaultClearedByte = 134;

}  // namespace

void ApplySetupDefaults(CSetupRecord& record) {
  for (const auto& word : kDefaultWords) record.Set(word.offset, word.value);
  record.Bytes()[kDefaultClearedByte] = 0;
}

SetupFields DefaultSetupFields() {
  SetupFields fields;
  fields.audioRecording = true;
  fields.speakerPosition = 3;
  fields.sensitivityPosition = 2;
  fields.entryTimePosition = 1;
  fields.parkingLed = true;
  fields.timeZoneRow = 25;
  fields.frameRate = FrameRate::Fps30;
  fields.resolution = Resolution::FullHD;
  fields.cameraBrightness = CameraBrightness::Normal;
  fields.quality = Quality::Fine;
  return fields;
}

SetupFields ApplyDefault() {
  ApplySetupDefaults(g_SetupRecord);
  return DefaultSetupFields();
}

}  // namespace motrevix::config
