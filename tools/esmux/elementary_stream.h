#pragma once
// An MPEG-4 visual elementary stream split into its configuration (everything before
// the first video object plane) and its video object planes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace motrevix::esmux {

struct VideoObjectPlane {
  std::span<const std::uint8_t> bytes;  // start code first
  bool intra = false;                   // an I-VOP, a point to start decoding at
};

struct ElementaryStream {
  std::span<const std::uint8_t> config;
  std::vector<VideoObjectPlane> planes;
};

// Splits `data`; false with `error` set when it has no video object layer before
// its first plane or no plane at all.
bool SplitElementaryStream(std::span<const std::uint8_t> data, ElementaryStream& stream,
                           std::string& error);

}  // namespace motrevix::esmux
