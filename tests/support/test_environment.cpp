// Compiled into every test program: before main runs, sets the environment the
// tests expect unless the caller set it already (offscreen Qt, no GPU for Qt
// WebEngine, the null sound output, where the built programs and the source
// tree are).
#include <cstdlib>

namespace {

struct TestEnvironment {
  TestEnvironment() {
#ifdef MOTREVIX_TEST_OFFSCREEN_CONFIG
    // A program whose windows go full screen gets a laptop-sized screen.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" MOTREVIX_TEST_OFFSCREEN_CONFIG, 0);
#else
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu", 0);
    // Same timing on every machine, with or without a sound server.
    setenv("MOTREVIX_SOUND_OUTPUT", "null", 0);
    setenv("MOTREVIX_BIN_DIR", MOTREVIX_TEST_BIN_DIR, 0);
    setenv("MOTREVIX_SOURCE_DIR", MOTREVIX_TEST_SOURCE_DIR, 0);
    setenv("MOTREVIX_TEST_TMP", MOTREVIX_TEST_TMP_DIR, 0);
    // The recordings the playback fixture makes once per run.
    setenv("MOTREVIX_TEST_RECORDINGS", MOTREVIX_TEST_RECORDINGS_DIR, 0);
  }
};

const TestEnvironment kTestEnvironment;

}  // namespace
