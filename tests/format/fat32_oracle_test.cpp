// Formatted images read by independent tools: fsck.fat checks the file system,
// mtools reads its geometry and label and copies a file in and out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "tests/format/format_test_helpers.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line))
    if (!line.empty()) lines.push_back(line);
  return lines;
}

struct OracleCase {
  const char* name;
  std::uint32_t sectors;
  std::string label;
  std::uint32_t clusters;
  std::uint32_t sectorsPerCluster;
  std::uint32_t fatSectors;
};

// Names the case in test names (instead of its bytes, which hold addresses).
void PrintTo(const OracleCase& c, std::ostream* os) { *os << c.name; }

const OracleCase kCases[] = {
    {"card_7GB", 15'523'840, "RD-310", 242'499, 64, 1'895},
    {"over_32GiB", 67'108'897, "RD-310", 524'223, 128, 4'096},
    {"empty_label", 15'523'840, "", 242'499, 64, 1'895},
    {"lower_case", 15'523'840, "rd-310 card", 242'499, 64, 1'895},
    {"full_label", 15'523'840, "ABCDEFGHIJK", 242'499, 64, 1'895},
    {"smallest", 78'157, "RD-310", 1'219, 64, 10},
};

class Oracles : public ::testing::TestWithParam<OracleCase> {
 protected:
  void SetUp() override { ::setenv("MTOOLS_SKIP_CHECK", "1", 1); }
};

// fsck.fat may object only to what the layout prescribes on purpose: the boot
// sector's label is zero-padded while the root entry's is space-padded (so a
// label shorter than 11 bytes "differs"), and an empty label is eleven spaces.
// Anything else it says is a fault of the writer.
TEST_P(Oracles, FsckFindsNothingButThePrescribedLabelPadding) {
  const OracleCase& c = GetParam();
  const auto image = MakeSparseImage(ScratchDir() / "card.img", c.sectors);
  std::string reason;
  ASSERT_TRUE(FormatImage(image, c.label, nullptr, &reason)) << reason;

  const ProcessResult fsck = test::Run("fsck.fat", {"-n", image.string()});
  bool objected = false;
  bool summarySeen = false;
  const std::string labelDiffers = "Volume label '" + c.label +
                                   "' stored in root directory and label '" + c.label +
                                   "' stored in boot sector and different.";
  for (const auto& line : Lines(fsck.out)) {
    if (line.rfind("fsck.fat ", 0) == 0 || line == "Leaving filesystem unchanged.") continue;
    if (line == image.string() + ": 1 files, 1/" + std::to_string(c.clusters) + " clusters") {
      summarySeen = true;
      continue;
    }
    if (!c.label.empty() && c.label.size() < 11 &&
        (line == labelDiffers ||
         line == "  Auto-copying volume label from root directory to boot sector.")) {
      objected = true;
      continue;
    }
    if (c.label.empty() && (line == "Volume label '' stored in root directory is not valid." ||
                            line == "  Auto-removing label.")) {
      objected = true;
      continue;
    }
    ADD_FAILURE() << "fsck.fat: " << line;
  }
  EXPECT_TRUE(summarySeen) << fsck.out;
  EXPECT_EQ(fsck.exitCode, objected ? 1 : 0) << fsck.out << fsck.err;
  // Below 65,525 clusters fsck.fat warns that the volume is FAT32 only by its fields.
  for (const auto& line : Lines(fsck.err)) EXPECT_LT(c.clusters, 65'525u) << "fsck.fat: " << line;
}

TEST_P(Oracles, MinfoReadsTheGeometryAndLabel) {
  const OracleCase& c = GetParam();
  const auto image = MakeSparseImage(ScratchDir() / "card.img", c.sectors);
  ASSERT_TRUE(FormatImage(image, c.label));
  const ProcessResult info = test::Run("minfo", {"-i", image.string(), "::"});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  for (const std::string& expected :
       {"cluster size: " + std::to_string(c.sectorsPerCluster) + " sectors",
        "big size: " + std::to_string(c.sectors - 64) + " sectors",
        "Big fatlen=" + std::to_string(c.fatSectors), std::string("serial number: 6A4B696D"),
        std::string("sectors per track: 512"), std::string("heads: 16"),
        std::string("hidden sectors: 32"), std::string("physical drive id: 0x81"),
        std::string("disk type=\"FAT32   \""), "free clusters=" + std::to_string(c.clusters - 1),
        std::string("last allocated cluster=3")})
    EXPECT_NE(info.out.find(expected), std::string::npos) << expected << "\n" << info.out;
  // minfo prints the boot sector's label right-aligned in 11 characters.
  const std::string label = std::string(11 - c.label.size(), ' ') + c.label;
  EXPECT_NE(info.out.find("disk label=\"" + label + "\""), std::string::npos) << info.out;
}

TEST_P(Oracles, MdirListsAnEmptyRootAndMcopyRoundTrips) {
  const OracleCase& c = GetParam();
  // mtools goes by the cluster count: below 65,525 clusters it reads the volume
  // as FAT16, finds no label and no root directory slots to copy into.
  const bool readAsFat32 = c.clusters >= 65'525;
  const auto dir = ScratchDir();
  const auto image = MakeSparseImage(dir / "card.img", c.sectors);
  ASSERT_TRUE(FormatImage(image, c.label));

  const ProcessResult empty = test::Run("mdir", {"-i", image.string(), "::"});
  ASSERT_EQ(empty.exitCode, 0) << empty.err;
  EXPECT_NE(empty.out.find("No files"), std::string::npos) << empty.out;
  EXPECT_NE(empty.out.find("Serial Number is 6A4B-696D"), std::string::npos);
  if (!readAsFat32) return;
  const std::string volumeLine =
      c.label.empty() ? " Volume in drive : is            " : " Volume in drive : is " + c.label;
  EXPECT_NE(empty.out.find(volumeLine), std::string::npos) << empty.out;

  const auto original = dir / "RDSETUP.CFG";
  {
    std::ofstream out(original, std::ios::binary);
    for (int i = 0; i < 100'000; ++i) out.put(static_cast<char>(i * 7));  // spans clusters
  }
  const ProcessResult in = test::Run("mcopy", {"-i", image.string(), original.string(), "::/"});
  ASSERT_EQ(in.exitCode, 0) << in.err;
  const auto copied = dir / "copied.cfg";
  const ProcessResult out =
      test::Run("mcopy", {"-n", "-i", image.string(), "::/RDSETUP.CFG", copied.string()});
  ASSERT_EQ(out.exitCode, 0) << out.err;
  std::ifstream a(original, std::ios::binary), b(copied, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}),
            std::string(std::istreambuf_iterator<char>(b), {}));
  const ProcessResult listed = test::Run("mdir", {"-i", image.string(), "::"});
  EXPECT_NE(listed.out.find("RDSETUP  CFG"), std::string::npos) << listed.out;
}

INSTANTIATE_TEST_SUITE_P(Images, Oracles, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace motrevix::test
