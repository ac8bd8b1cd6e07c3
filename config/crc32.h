#pragma once
// CRC-32 of IEEE 802.3: reflected polynomial 0xEDB88320, initial value and final
// complement 0xFFFFFFFF, computed with the usual 256-entry table.

#include <cstddef>
#include <cstdint>

namespace motrevix::config {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

}  // namespace motrevix::config
