// Finding removable volumes in a made-up sysfs tree and mount table.
#include "platform/volume_discovery.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/volume_mounts.h"
#include "platform/volume_sources.h"
#include "tests/support/test_support.h"
#include "tests/support/unprivileged.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text << "\n";
}

// A block device directory as sysfs shows it.
void AddBlock(const fs::path& dir, const std::string& dev, std::uint64_t size,
              const std::string& extra = {}) {
  WriteFile(dir / "dev", dev);
  WriteFile(dir / "size", std::to_string(size));
  WriteFile(dir / "ro", "0");
  WriteFile(dir / "uevent", "MAJOR=x\nDEVNAME=" + dir.filename().string() + extra);
}

TEST(VolumeDiscovery, FindsPartitionsOfRemovableDisksAndSdCardsWithAMedium) {
  const fs::path root = ScratchDir();
  const fs::path block = root / "sys" / "block";
  // Fixed disk with a partition: not removable.
  AddBlock(block / "sda", "8:0", 500'000'000);
  WriteFile(block / "sda" / "removable", "0");
  AddBlock(block / "sda" / "sda1", "8:1", 400'000'000);
  WriteFile(block / "sda" / "sda1" / "partition", "1");
  // USB card reader with a partitioned card: its partitions, in partition order.
  AddBlock(block / "sdb", "8:16", 15'523'904);
  WriteFile(block / "sdb" / "removable", "1");
  AddBlock(block / "sdb" / "sdb10", "8:26", 2'048);
  WriteFile(block / "sdb" / "sdb10" / "partition", "10");
  AddBlock(block / "sdb" / "sdb2", "8:18", 4'096);
  WriteFile(block / "sdb" / "sdb2" / "partition", "2");
  AddBlock(block / "sdb" / "sdb1", "8:17", 15'523'840);
  WriteFile(block / "sdb" / "sdb1" / "partition", "1");
  // Reader without a card.
  AddBlock(block / "sdc", "8:32", 0);
  WriteFile(block / "sdc" / "removable", "1");
  // Card without a partition table: the disk itself.
  AddBlock(block / "sdd", "8:48", 62'333'952);
  WriteFile(block / "sdd" / "removable", "1");
  WriteFile(block / "sdd" / "ro", "1");
  // SD slot: not marked removable by its driver, but an SD card.
  AddBlock(block / "mmcblk0", "179:0", 31'116'288);
  WriteFile(block / "mmcblk0" / "removable", "0");
  WriteFile(block / "mmcblk0" / "device" / "type", "SD");
  AddBlock(block / "mmcblk0" / "mmcblk0p1", "179:1", 31'108'096);
  WriteFile(block / "mmcblk0" / "mmcblk0p1" / "partition", "1");
  // DVD drive with a disc: sysfs calls it removable, but it is no card.
  AddBlock(block / "sr0", "11:0", 9'180'416);
  WriteFile(block / "sr0" / "removable", "1");
  WriteFile(block / "sr0" / "device" / "type", "5");
  // Soldered eMMC: left out.
  AddBlock(block / "mmcblk1", "179:8", 61'071'360);
  WriteFile(block / "mmcblk1" / "removable", "0");
  WriteFile(block / "mmcblk1" / "device" / "type", "MMC");

  WriteFile(root / "mountinfo",
            "22 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
            "90 22 8:17 / /media/user/RD\\040310 rw,nosuid master:5 - vfat /dev/sdb1 rw\n"
            "91 22 179:1 / /mnt/sd rw - vfat /dev/mmcblk0p1 rw\n"
            "92 22 179:1 / /mnt/again rw - vfat /dev/mmcblk0p1 rw\n");

  SystemPaths paths;
  paths.sysfsRoot = root / "sys";
  paths.mountInfo = root / "mountinfo";
  paths.devRoot = "/dev";
  const auto volumes = FindRemovableVolumes(paths);

  std::vector<std::string> names;
  for (const auto& v : volumes) names.push_back(v.devicePath);
  EXPECT_EQ(names, (std::vector<std::string>{"/dev/mmcblk0p1", "/dev/sdb1", "/dev/sdb2",
                                             "/dev/sdb10", "/dev/sdd"}));
  ASSERT_EQ(volumes.size(), 5u);
  EXPECT_EQ(volumes[0].mountPoints, (std::vector<std::string>{"/mnt/sd", "/mnt/again"}));
  EXPECT_EQ(volumes[1].mountPoints, (std::vector<std::string>{"/media/user/RD 310"}));
  EXPECT_EQ(volumes[1].sizeSectors, 15'523'840u);
  EXPECT_EQ(volumes[1].diskName, "sdb");
  EXPECT_TRUE(volumes[1].isPartition);
  EXPECT_TRUE(volumes[2].mountPoints.empty());
  EXPECT_FALSE(volumes[4].isPartition);
  EXPECT_TRUE(volumes[4].readOnly);

  const RemovableVolume* byNumbers = FindVolumeByDevice(volumes, 8, 18);
  ASSERT_NE(byNumbers, nullptr);
  EXPECT_EQ(byNumbers->kernelName, "sdb2");
  EXPECT_EQ(FindVolumeByDevice(volumes, 8, 1), nullptr);  // the fixed disk's partition
}

TEST(VolumeDiscovery, NoSysfsMeansNoVolumes) {
  SystemPaths paths;
  paths.sysfsRoot = ScratchDir() / "nothing";
  paths.mountInfo = paths.sysfsRoot / "mountinfo";
  EXPECT_TRUE(FindRemovableVolumes(paths).empty());
}

// A user who may not read a card's device still sees the card, with the size sysfs
// gives, so that it can be opened through the desktop's disk service; a device
// that is not there is not listed. As root the probe runs as an ordinary user.
TEST(VolumeDiscovery, ACardTheUserMayNotReadIsListedWithItsSysfsSize) {
  const fs::path root = ScratchDir();
  const fs::path block = root / "sys" / "block";
  AddBlock(block / "sdb", "8:16", 15'523'904);
  WriteFile(block / "sdb" / "removable", "1");
  AddBlock(block / "sdb" / "sdb1", "8:17", 15'523'840);
  WriteFile(block / "sdb" / "sdb1" / "partition", "1");
  AddBlock(block / "sdd", "8:48", 62'333'952);
  WriteFile(block / "sdd" / "removable", "1");
  WriteFile(root / "mountinfo", "");
  WriteFile(root / "dev" / "sdb1", "");
  fs::permissions(root / "dev" / "sdb1", fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(root, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);

  SystemPaths paths;
  paths.sysfsRoot = root / "sys";
  paths.mountInfo = root / "mountinfo";
  paths.devRoot = root / "dev";
  const auto probe = [&paths] {
    std::string listed;
    for (const auto& candidate : RemovableDriveSource(paths).FindCandidates())
      listed += candidate.name + " " + std::to_string(candidate.lengthBytes) + "\n";
    return listed;
  };
  const std::optional<std::string> listed =
      geteuid() == 0 ? AsUnprivilegedUser(root / "dev", probe) : probe();
  if (!listed) GTEST_SKIP() << "cannot probe as an unprivileged user here";
  EXPECT_EQ(*listed,
            (root / "dev" / "sdb1").string() + " " + std::to_string(15'523'840ull * 512) + "\n");
}

TEST(MountInfo, ParsesFieldsAndDecodesEscapes) {
  struct Case {
    std::string line;
    bool ok;
    unsigned major, minor;
    std::string mountPoint, fsType, source;
  };
  const Case cases[] = {
      {"36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 - ext3 /dev/root rw,errors=continue", true,
       98, 0, "/mnt/parent", "ext3", "/dev/root"},
      {"90 22 8:17 / /media/a\\040b\\011c\\134d rw - vfat /dev/sdb1 rw", true, 8, 17,
       "/media/a b\tc\\d", "vfat", "/dev/sdb1"},
      {"40 22 0:35 / /tmp rw,nosuid - tmpfs tmpfs rw", true, 0, 35, "/tmp", "tmpfs", "tmpfs"},
      {"not a mount line", false, 0, 0, "", "", ""},
      {"36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 ext3 /dev/root", false, 0, 0, "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    MountEntry entry;
    ASSERT_EQ(ParseMountInfoLine(c.line, entry), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(entry.major, c.major);
    EXPECT_EQ(entry.minor, c.minor);
    EXPECT_EQ(entry.mountPoint, c.mountPoint);
    EXPECT_EQ(entry.fsType, c.fsType);
    EXPECT_EQ(entry.source, c.source);
  }
}

TEST(MountInfo, ReadsThisProcessMountTable) {
  const auto table = ReadMountInfo();
  ASSERT_FALSE(table.empty());
  EXPECT_TRUE(std::any_of(table.begin(), table.end(),
                          [](const MountEntry& e) { return e.mountPoint == "/"; }));
}

}  // namespace
}  // namespace motrevix::test
