// The settings record: CRC-32, the DEFAULT values byte for byte, and the record a
// fresh start saves.
#include "config/setup_record.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "config/camera_files.h"
#include "config/crc32.h"
#include "config/setup_defaults.h"
#include "tests/config/config_test_helpers.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"

namespace motrevix::config {
namespace {

using test::ZlibCrc32;

TEST(ConfigCrc32, MatchesTheStandardCheckValueAndZlib) {
  const std::string check = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()), 0xCBF43926u);
  EXPECT_EQ(Crc32(nullptr, 0), 0u);

  // Every byte value, at every table index, against an independent implementation.
  std::string all;
  for (int round = 0; round < 3; ++round)
    for (int b = 0; b < 256; ++b) all += static_cast<char>((b * 7 + round * 31) & 0xFF);
  const auto file = motrevix::test::ScratchDir() / "bytes.bin";
  test::WriteAll(file, all);
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(all.data()), all.size()),
            ZlibCrc32(file, all.size()));
}

TEST(ConfigSetupRecord, FieldsAreLittleEndianSigned32Bit) {
  CSetupRecord record;
  record.Set(setup_offset::kCameraBrightness, -3);
  record.Set(setup_offset::kTimeZone, 0x01020304);
  EXPECT_EQ(record.Bytes()[160], 0xFD);
  EXPECT_EQ(record.Bytes()[163], 0xFF);
  EXPECT_EQ(record.Bytes()[284], 0x04);
  EXPECT_EQ(record.Bytes()[287], 0x01);
  EXPECT_EQ(record.Get(setup_offset::kCameraBrightness), -3);
  EXPECT_EQ(record.Get(setup_offset::kTimeZone), 0x01020304);
}

// The DEFAULT column, word by word, as the camera's table lists it.
const std::map<std::size_t, std::int32_t> kDefaultColumn = {
    {44, 2},  {48, 2},  {52, 0},  {56, 0},  {60, 1},  {64, 10}, {68, 10}, {72, 1},    {76, 1},
    {80, 1},  {84, 2},  {88, 0},  {92, 0},  {96, 0},  {100, 0}, {104, 0}, {108, 0},   {144, 0},
    {148, 0}, {152, 0}, {156, 0}, {160, 0}, {164, 0}, {168, 0}, {172, 0}, {176, 0},   {180, 0},
    {184, 0}, {188, 0}, {192, 0}, {196, 0}, {200, 0}, {204, 0}, {208, 1}, {212, 0},   {216, 1},
    {220, 2}, {224, 0}, {228, 3}, {232, 1}, {236, 0}, {240, 0}, {244, 1}, {248, 2},   {252, 0},
    {256, 0}, {260, 1}, {264, 2}, {268, 0}, {272, 1}, {276, 4}, {280, 1}, {284, 540}, {288, 0},
    {292, 2}, {296, 2}, {300, 4}, {304, 7}, {308, 0}, {316, 0}, {320, 1}, {324, 4},   {328, 0},
    {332, 0}, {336, 1}};

TEST(ConfigSetupDefaults, SetsTheDefaultColumnAndKeepsEverythingElse) {
  CSetupRecord record;
  record.Bytes().fill(0xAB);
  ApplySetupDefaults(record);

  for (std::size_t offset = 0; offset < CSetupRecord::kSize; ++offset) {
    const std::size_t word = offset - offset % 4;
    const auto listed = kDefaultColumn.find(word);
    std::uint8_t expected = 0xAB;  // kept: text areas, 112..143 but 134, 312, 340, the CRC
    if (listed != kDefaultColumn.end())
      expected = static_cast<std::uint8_t>(static_cast<std::uint32_t>(listed->second) >>
                                           (8 * (offset % 4)));
    if (offset == 134) expected = 0;
    EXPECT_EQ(record.Bytes()[offset], expected) << "offset " << offset;
  }
}

TEST(ConfigSetupDefaults, FreshStartWithoutCardFileSavesTheDefaultRecord) {
  ResetConfigState();
  const auto card = motrevix::test::ScratchDir();
  RecordingPrompt prompt;
  const SetupFields shown = LoadSettingsPage(card, prompt);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text, (card / "rdsetup.cfg").string() + " was not found.");
  EXPECT_EQ(shown, DefaultSetupFields());

  ReplacingFileWriter writer;
  ASSERT_TRUE(SaveSetupRecord(card, shown, prompt, writer));
  const std::string saved = test::ReadAll(card / "rdsetup.cfg");
  ASSERT_EQ(saved.size(), 348u);
  for (std::size_t offset = 0; offset < 344; ++offset) {
    const std::size_t word = offset - offset % 4;
    const auto listed = kDefaultColumn.find(word);
    const std::int32_t value = listed == kDefaultColumn.end() ? 0 : listed->second;
    EXPECT_EQ(static_cast<std::uint8_t>(saved[offset]),
              static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * (offset % 4))))
        << "offset " << offset;
  }
  const std::uint32_t stored =
      static_cast<std::uint8_t>(saved[344]) | static_cast<std::uint8_t>(saved[345]) << 8 |
      static_cast<std::uint8_t>(saved[346]) << 16 |
      static_cast<std::uint32_t>(static_cast<std::uint8_t>(saved[347])) << 24;
  EXPECT_EQ(stored, ZlibCrc32(card / "rdsetup.cfg", 344));
  EXPECT_EQ(prompt.messages.size(), 1u);
  // The save wrote a copy: the process-wide record has no CRC yet.
  EXPECT_EQ(g_SetupRecord.StoredCrc(), 0u);
}

}  // namespace
}  // namespace motrevix::config
