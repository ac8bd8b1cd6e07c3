#include "config/setup_record.h"

#include <cassert>

#include "config/crc32.h"

namespace motrevix::config {

CSetupRecord g_SetupRecord;

void ResetConfigState() { g_SetupRecord = CSetupRecord{}; }

std::int32_t CSetupRecord::Get(std::size_t offset) const {
  assert(offset % 4 == 0 && offset + 4 <= kSize);
  const std::uint32_t value =
      std::uint32_t{m_bytes[offset]} | (std::uint32_t{m_bytes[offset + 1]} << 8) |
      (std::uint32_t{m_bytes[offset + 2]} << 16) | (std::uint32_t{m_bytes[offset + 3]} << 24);
  return static_cast<std::int32_t>(value);
}

void CSetupRecord::Set(std::size_t offset, std::int32_t value) {
  assert(offset % 4 == 0 && offset + 4 <= kSize);
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i)
    m_bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::uint32_t CSetupRecord::StoredCrc() const {
  return static_cast<std::uint32_t>(Get(setup_offset::kCrc));
}

std::uint32_t CSetupRecord::ComputedCrc() const { return Crc32(m_bytes.data(), kCrcCoveredBytes); }

void CSetupRecord::StoreCrc() { Set(setup_offset::kCrc, static_cast<std::int32_t>(ComputedCrc())); }

}  // namespace motrevix::config
