#include "tools/esmux/elementary_stream.h"

namespace motrevix::esmux {
namespace {

constexpr std::uint8_t kVopStartCode = 0xB6;
constexpr std::uint8_t kVolStartFirst = 0x20;
constexpr std::uint8_t kVolStartLast = 0x2F;

// Offsets of every start code 00 00 01 xx whose xx is `code`.
std::vector<std::size_t> FindStartCodes(std::span<const std::uint8_t> data, std::uint8_t code) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i + 3 < data.size(); ++i)
    if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1 && data[i + 3] == code)
      found.push_back(i);
  return found;
}

bool HasVideoObjectLayer(std::span<const std::uint8_t> config) {
  for (std::size_t i = 0; i + 3 < config.size(); ++i)
    if (config[i] == 0 && config[i + 1] == 0 && config[i + 2] == 1 &&
        config[i + 3] >= kVolStartFirst && config[i + 3] <= kVolStartLast)
      return true;
  return false;
}

}  // namespace

bool SplitElementaryStream(std::span<const std::uint8_t> data, ElementaryStream& stream,
                           std::string& error) {
  const std::vector<std::size_t> starts = FindStartCodes(data, kVopStartCode);
  if (starts.empty()) {
    error = "no video object plane in the stream";
    return false;
  }
  stream.config = data.first(starts.front());
  if (!HasVideoObjectLayer(stream.config)) {
    error = "no video object layer before the first video object plane";
    return false;
  }
  stream.planes.clear();
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : data.size();
    VideoObjectPlane plane;
    plane.bytes = data.subspan(starts[i], end - starts[i]);
    // vop_coding_type: the two bits after the start code, 00 for an I-VOP.
    plane.intra = plane.bytes.size() > 4 && (plane.bytes[4] >> 6) == 0;
    stream.planes.push_back(plane);
  }
  return true;
}

}  // namespace motrevix::esmux
