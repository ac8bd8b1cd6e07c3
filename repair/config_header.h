#pragma once
// The MPEG-4 visual configuration header put in front of the carved pictures:
// visual object sequence, visual object, user data and a rectangular simple-profile
// video object layer with a VOP time increment resolution of 1000.

#include <cstdint>
#include <vector>

namespace motrevix::repair {

// `BuildConfigHeader`: the header for pictures of width x height.
std::vector<std::uint8_t> BuildConfigHeader(int width, int height);

}  // namespace motrevix::repair
