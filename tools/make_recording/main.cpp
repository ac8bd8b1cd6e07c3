// make-recording: writes RD-310 recordings and demo cards for tests and demos.
extern "C" {
#include <libavutil/log.h>
}

#include <iostream>

#include "tools/make_recording/demo_card.h"
#include "tools/make_recording/recording_options.h"
#include "tools/make_recording/recording_writer.h"

int main(int argc, char* argv[]) {
  using namespace motrevix::gen;
  av_log_set_level(AV_LOG_ERROR);
  CommandLine line;
  std::string error;
  if (!ParseCommandLine({argv + 1, argv + argc}, line, error)) {
    std::cerr << "make-recording: " << error << "\n\n" << UsageText();
    return 2;
  }
  if (line.help) {
    std::cout << UsageText();
    return 0;
  }
  const bool ok = line.cardDir.empty() ? WriteRecording(line.recording, error)
                                       : WriteDemoCard(line.cardDir, error);
  if (!ok) {
    std::cerr << "make-recording: " << error << "\n";
    return 1;
  }
  std::cout << (line.cardDir.empty() ? line.recording.outPath : line.cardDir) << "\n";
  return 0;
}
