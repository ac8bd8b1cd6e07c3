// Finding the map page: beside the executable in a build, in PREFIX/share/motrevix
// for an executable in PREFIX/bin, the build's copy first when both exist.
#include "telemetry/map_page_location.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/test_support.h"

namespace motrevix {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "<html></html>";
}

TEST(MapPageLocationTest, BesideTheProgramFirstThenTheInstalledDataFolder) {
  struct Case {
    const char* name;
    bool beside;     // PREFIX/bin/MapView.htm
    bool installed;  // PREFIX/share/motrevix/MapView.htm
    const char* expected;
  };
  const Case cases[] = {
      {"build tree", true, false, "bin/MapView.htm"},
      {"installed tree", false, true, "share/motrevix/MapView.htm"},
      {"both", true, true, "bin/MapView.htm"},
      // Reported where a build puts it, so the message names a real place to look.
      {"neither", false, false, "bin/MapView.htm"},
  };
  for (const Case& c : cases) {
    const fs::path prefix = test::ScratchDir() / c.name;
    fs::create_directories(prefix / "bin");
    if (c.beside) Touch(prefix / "bin/MapView.htm");
    if (c.installed) Touch(prefix / "share/motrevix/MapView.htm");
    EXPECT_EQ(FindMapPage(prefix / "bin"), prefix / c.expected) << c.name;
  }
}

TEST(MapPageLocationTest, AFolderNamedLikeThePageIsNotThePage) {
  const fs::path prefix = test::ScratchDir();
  fs::create_directories(prefix / "bin/MapView.htm");
  Touch(prefix / "share/motrevix/MapView.htm");
  EXPECT_EQ(FindMapPage(prefix / "bin"), prefix / "share/motrevix/MapView.htm");
}

}  // namespace
}  // namespace motrevix
