#pragma once

#include <string>

#include "tools/make_recording/recording_options.h"

namespace motrevix::gen {

// Writes one recording; false with a message when it cannot.
bool WriteRecording(const RecordingOptions& options, std::string& error);

}  // namespace motrevix::gen
