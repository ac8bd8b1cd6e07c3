#pragma once
// The camera's settings record `CSetupRecord` as stored in rdsetup.cfg: 348 bytes,
// little-endian, signed 32-bit fields, with a CRC-32 of the first 344 bytes at the end.
// The viewer names only the fields it edits; every other byte is carried through.

#include <array>
#include <cstddef>
#include <cstdint>

namespace motrevix::config {

// Offsets of the fields the viewer edits, and of the CRC.
namespace setup_offset {
constexpr std::size_t kResolution = 44;
constexpr std::size_t kQuality = 48;
constexpr std::size_t kAudioRecording = 60;
constexpr std::size_t kSpeakerVolume = 68;
constexpr std::size_t kGSensorSensitivity = 84;
constexpr std::size_t kCameraBrightness = 160;
constexpr std::size_t kFrameRate = 264;
constexpr std::size_t kTimeZone = 284;
constexpr std::size_t kParkingEntryTime = 324;
constexpr std::size_t kParkingLed = 336;
constexpr std::size_t kCrc = 344;
}  // namespace setup_offset

class CSetupRecord {
 public:
  static constexpr std::size_t kSize = 348;
  // The CRC covers every byte before it.
  static constexpr std::size_t kCrcCoveredBytes = setup_offset::kCrc;

  std::int32_t Get(std::size_t offset) const;
  void Set(std::size_t offset, std::int32_t value);

  std::uint32_t StoredCrc() const;
  std::uint32_t ComputedCrc() const;
  void StoreCrc();

  std::array<std::uint8_t, kSize>& Bytes() { return m_bytes; }
  const std::array<std::uint8_t, kSize>& Bytes() const { return m_bytes; }

  bool operator==(const CSetupRecord&) const = default;

 private:
  std::array<std::uint8_t, kSize> m_bytes{};
};

// The process-wide record: all zero at start, overwritten by a load, partly
// overwritten by DEFAULT; a save works on a copy and never changes it.
extern CSetupRecord g_SetupRecord;

// Puts this subsystem's process-wide values back to their start values.
void ResetConfigState();

}  // namespace motrevix::config
