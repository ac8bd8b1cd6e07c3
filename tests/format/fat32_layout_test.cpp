// The layout written onto sparse images of the sizes that matter: geometry
// fields, structure positions, the exact sequence of writes, and the bytes
// left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "tests/format/format_test_helpers.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

struct SizeCase {
  std::uint32_t sectors;
  std::uint32_t sectorsPerCluster;
  std::uint32_t totalSectors;
  std::uint32_t fatSectors;
  std::uint32_t secondFat;
  std::uint32_t rootSector;
  std::uint32_t chunksPerFat;
  std::uint32_t clusters;
};

// Names the case by its size in test names (not by its bytes).
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.sectors << " sectors"; }

// Expected values worked out by hand from the layout rules.
const SizeCase kSizes[] = {
    {15'523'840, 64, 15'523'776, 1'895, 1'927, 3'822, 60, 242'499},      // a 7.4 GB card
    {67'108'896, 64, 67'108'832, 8'191, 8'223, 16'414, 256, 1'048'319},  // U exactly 32 GiB
    {67'108'897, 128, 67'108'833, 4'096, 4'128, 8'224, 128, 524'223},    // one sector more
    {78'157, 64, 78'093, 10, 42, 52, 1, 1'219},  // smallest accepted: U is 40,000,000 bytes
};

class LayoutBySize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(LayoutBySize, WritesGeometryStructuresAndNothingElse) {
  const SizeCase& c = GetParam();
  const auto image = MakeSparseImage(ScratchDir() / "card.img", c.sectors);
  // Old contents that must survive: the data area after the root cluster (past
  // the zeroed first 128 sectors) and the 64 sectors past the file system's end.
  const std::uint32_t afterRoot = std::max(c.rootSector + c.sectorsPerCluster, 128u);
  WriteSectorsOfByte(image, afterRoot, 4, 0xA5);
  WriteSectorsOfByte(image, c.sectors - 64, 64, 0x5A);
  WriteSectorsOfByte(image, 3, 1, 0x77);  // inside the zeroed lead: must become zero

  auto log = std::make_shared<VolumeLog>();
  std::string reason;
  ASSERT_TRUE(FormatImage(image, "RD-310", log, &reason)) << reason;

  const auto boot = ReadSectors(image, 0);
  EXPECT_EQ(boot[13], c.sectorsPerCluster);
  EXPECT_EQ(Le32(boot, 32), c.totalSectors);
  EXPECT_EQ(Le32(boot, 36), c.fatSectors);
  EXPECT_EQ(ReadSectors(image, 6), boot);

  const std::vector<std::uint8_t> fatHead = {0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F};
  for (std::uint32_t fatStart : {32u, c.secondFat}) {
    const auto first = ReadSectors(image, fatStart);
    EXPECT_TRUE(std::equal(fatHead.begin(), fatHead.end(), first.begin())) << fatStart;
    EXPECT_TRUE(std::all_of(first.begin() + 12, first.end(), [](auto b) { return b == 0; }));
  }
  const auto root = ReadSectors(image, c.rootSector);
  EXPECT_EQ(std::string(root.begin(), root.begin() + 11), "RD-310     ");
  EXPECT_EQ(root[11], 0x08);
  // The free count is that of the empty volume, the next-free hint cluster 3.
  const auto fsInfo = ReadSectors(image, 1);
  EXPECT_EQ(Le32(fsInfo, 488), c.clusters - 1);
  EXPECT_EQ(Le32(fsInfo, 492), 3u);

  // The exact writes: 128 single zero sectors, the six reserved sectors, each
  // FAT in 32-sector chunks, then the root cluster in one write.
  std::vector<WriteRecord> expected;
  for (std::uint64_t s = 0; s < 128; ++s) expected.push_back({s, 1});
  for (std::uint64_t s : {0, 6, 1, 7, 2, 8}) expected.push_back({s, 1});
  for (std::uint32_t fatStart : {32u, c.secondFat})
    for (std::uint32_t k = 0; k < c.chunksPerFat; ++k) expected.push_back({fatStart + k * 32, 32});
  expected.push_back({c.rootSector, c.sectorsPerCluster});
  EXPECT_EQ(log->writes, expected);
  EXPECT_EQ(log->unlocks, 1);

  const auto zero = std::vector<std::uint8_t>(512, 0);
  for (std::uint64_t s : {3, 4, 5, 9, 20, 31}) EXPECT_EQ(ReadSectors(image, s), zero) << s;
  EXPECT_EQ(ReadSectors(image, afterRoot, 4), std::vector<std::uint8_t>(4 * 512, 0xA5));
  EXPECT_EQ(ReadSectors(image, c.sectors - 64, 64), std::vector<std::uint8_t>(64 * 512, 0x5A));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutBySize, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::to_string(info.param.sectors); });

TEST(Fat32Layout, BootSectorFsInfoAndSignedSectorsCarryTheFixedBytes) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
  ASSERT_TRUE(FormatImage(image, "RD-310"));
  const auto boot = ReadSectors(image, 0);
  EXPECT_EQ(std::vector<std::uint8_t>(boot.begin(), boot.begin() + 3),
            (std::vector<std::uint8_t>{0xEB, 0x3C, 0x90}));
  EXPECT_EQ(std::string(boot.begin() + 3, boot.begin() + 11), "MSWIN4.1");
  EXPECT_EQ(Le16(boot, 11), 512);
  EXPECT_EQ(Le16(boot, 14), 32);
  EXPECT_EQ(boot[16], 2);
  EXPECT_EQ(Le16(boot, 17), 0);
  EXPECT_EQ(Le16(boot, 19), 0);
  EXPECT_EQ(boot[21], 0xF8);
  EXPECT_EQ(Le16(boot, 22), 0);
  EXPECT_EQ(Le16(boot, 24), 512);
  EXPECT_EQ(Le16(boot, 26), 16);
  EXPECT_EQ(Le32(boot, 28), 32u);
  EXPECT_EQ(Le16(boot, 40), 0);
  EXPECT_EQ(Le16(boot, 42), 0);
  EXPECT_EQ(Le32(boot, 44), 2u);
  EXPECT_EQ(Le16(boot, 48), 1);
  EXPECT_EQ(Le16(boot, 50), 6);
  EXPECT_TRUE(std::all_of(boot.begin() + 52, boot.begin() + 64, [](auto b) { return b == 0; }));
  EXPECT_EQ(boot[64], 0x81);
  EXPECT_EQ(boot[65], 0);
  EXPECT_EQ(boot[66], 0x29);
  EXPECT_EQ(std::vector<std::uint8_t>(boot.begin() + 67, boot.begin() + 71),
            (std::vector<std::uint8_t>{0x6D, 0x69, 0x4B, 0x6A}));
  EXPECT_EQ(std::string(boot.begin() + 82, boot.begin() + 90), "FAT32   ");
  EXPECT_TRUE(std::all_of(boot.begin() + 90, boot.begin() + 510, [](auto b) { return b == 0; }));
  EXPECT_EQ(boot[510], 0x55);
  EXPECT_EQ(boot[511], 0xAA);

  const auto fsInfo = ReadSectors(image, 1);
  EXPECT_EQ(Le32(fsInfo, 0), 0x41615252u);
  EXPECT_TRUE(std::all_of(fsInfo.begin() + 4, fsInfo.begin() + 484, [](auto b) { return b == 0; }));
  EXPECT_EQ(Le32(fsInfo, 484), 0x61417272u);
  EXPECT_TRUE(
      std::all_of(fsInfo.begin() + 496, fsInfo.begin() + 508, [](auto b) { return b == 0; }));
  EXPECT_EQ(Le32(fsInfo, 508), 0xAA550000u);
  EXPECT_EQ(ReadSectors(image, 7), fsInfo);

  std::vector<std::uint8_t> signedEmpty(512, 0);
  signedEmpty[510] = 0x55;
  signedEmpty[511] = 0xAA;
  EXPECT_EQ(ReadSectors(image, 2), signedEmpty);
  EXPECT_EQ(ReadSectors(image, 8), signedEmpty);
}

struct LabelCase {
  const char* name;
  std::string label;
  std::vector<std::uint8_t> bootBytes;  // bytes 71 to 81
  std::string rootName;                 // bytes 0 to 10 of the label entry
};

TEST(Fat32Layout, LabelIsZeroPaddedInTheBootSectorAndSpacePaddedInTheRoot) {
  const LabelCase cases[] = {
      {"camera", "RD-310", {0x52, 0x44, 0x2D, 0x33, 0x31, 0x30, 0, 0, 0, 0, 0}, "RD-310     "},
      {"empty", "", std::vector<std::uint8_t>(11, 0), "           "},
      {"lower", "rd-310", {'r', 'd', '-', '3', '1', '0', 0, 0, 0, 0, 0}, "rd-310     "},
      {"full",
       "ABCDEFGHIJK",
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K'},
       "ABCDEFGHIJK"},
  };
  const auto dir = ScratchDir();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto image = MakeSparseImage(dir / (std::string(c.name) + ".img"), 78'157);
    ASSERT_TRUE(FormatImage(image, c.label));
    const auto boot = ReadSectors(image, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(boot.begin() + 71, boot.begin() + 82), c.bootBytes);
    const auto root = ReadSectors(image, 52, 64);
    EXPECT_EQ(std::string(root.begin(), root.begin() + 11), c.rootName);
    EXPECT_EQ(root[11], 0x08);
    // Times, dates, cluster and size of the label entry, and the rest of the cluster: zero.
    EXPECT_TRUE(std::all_of(root.begin() + 12, root.end(), [](auto b) { return b == 0; }));
  }
}

// A refused format writes nothing: the volume keeps what it held.
TEST(Fat32Layout, TooSmallVolumeIsRefusedBeforeAnyWrite) {
  for (const std::uint32_t sectors : {78'156u, 2'048u, 200u}) {
    SCOPED_TRACE(sectors);
    const auto image = MakeSparseImage(ScratchDir() / "small.img", sectors);
    WriteSectorsOfByte(image, 0, 200, 0xC3);
    auto log = std::make_shared<VolumeLog>();
    std::string reason;
    EXPECT_FALSE(FormatImage(image, "RD-310", log, &reason));
    EXPECT_NE(reason.find("too small"), std::string::npos) << reason;
    EXPECT_TRUE(log->writes.empty());
    EXPECT_EQ(log->unlocks, 1);
    EXPECT_EQ(ReadSectors(image, 0, 200), std::vector<std::uint8_t>(200 * 512, 0xC3));
  }
}

TEST(Fat32Layout, VolumeSmallerThanTheReservedAreaFailsWithoutGrowingTheImage) {
  // 20 sectors: N - 32 must not wrap around into a huge usable size.
  const auto image = MakeSparseImage(ScratchDir() / "tiny.img", 20);
  std::string reason;
  EXPECT_FALSE(FormatImage(image, "RD-310", nullptr, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(std::filesystem::file_size(image), 20u * 512);
}

}  // namespace
}  // namespace motrevix::test
