#pragma once

#include <string>

namespace motrevix::gen {

// Writes a demo card into dir: Normal, Event and PARK folders with a dozen short
// recordings over two days and several hours, one or two channels, AVI and MP4.
bool WriteDemoCard(const std::string& dir, std::string& error);

}  // namespace motrevix::gen
