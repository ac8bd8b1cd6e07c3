// The drive dialog's entries from a made-up sysfs tree and mount table.
#include "catalog/drive_entries.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/test_support.h"

namespace motrevix::catalog {
namespace {
namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text << "\n";
}

// A block device as sysfs shows it; `removable` as its flag says.
void AddDisk(const fs::path& block, const std::string& name, const std::string& dev,
             std::uint64_t sectors, bool removable, const std::string& type = {}) {
  const fs::path dir = block / name;
  WriteFile(dir / "dev", dev);
  WriteFile(dir / "size", std::to_string(sectors));
  WriteFile(dir / "ro", "0");
  WriteFile(dir / "removable", removable ? "1" : "0");
  WriteFile(dir / "uevent", "DEVNAME=" + name);
  if (!type.empty()) WriteFile(dir / "device" / "type", type);
}

void AddPartition(const fs::path& block, const std::string& disk, const std::string& name,
                  const std::string& dev, int number) {
  const fs::path dir = block / disk / name;
  WriteFile(dir / "dev", dev);
  WriteFile(dir / "size", "15523840");
  WriteFile(dir / "ro", "0");
  WriteFile(dir / "partition", std::to_string(number));
  WriteFile(dir / "uevent", "DEVNAME=" + name);
}

class DriveEntriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = test::ScratchDir();
    paths_.sysfsRoot = root_ / "sys";
    paths_.mountInfo = root_ / "mountinfo";
  }
  fs::path Block() const { return root_ / "sys" / "block"; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> texts;
    for (const QString& entry : DriveEntries(paths_)) texts.push_back(entry.toStdString());
    return texts;
  }

  fs::path root_;
  SystemPaths paths_;
};

TEST_F(DriveEntriesTest, OnlyMountedCardsOfRemovableReadersAreOffered) {
  // A fixed disk, mounted.
  AddDisk(Block(), "sda", "8:0", 500'000'000, false);
  AddPartition(Block(), "sda", "sda1", "8:1", 1);
  // A USB reader with a card, mounted at a path with a space.
  AddDisk(Block(), "sdb", "8:16", 15'523'904, true);
  AddPartition(Block(), "sdb", "sdb1", "8:17", 1);
  // A reader without a card: no medium, nothing to list.
  AddDisk(Block(), "sdc", "8:32", 0, true);
  // A card in a second reader that the desktop has not mounted.
  AddDisk(Block(), "sdd", "8:48", 15'523'904, true);
  AddPartition(Block(), "sdd", "sdd1", "8:49", 1);
  // An SD slot (its driver never says removable), mounted.
  AddDisk(Block(), "mmcblk0", "179:0", 31'116'288, false, "SD");
  AddPartition(Block(), "mmcblk0", "mmcblk0p1", "179:1", 1);
  // A DVD drive with a disc, mounted: sysfs says removable, but it holds no card.
  AddDisk(Block(), "sr0", "11:0", 9'180'416, true, "5");
  WriteFile(paths_.mountInfo,
            "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
            "90 22 8:17 / /media/user/RD\\040310 rw,nosuid - vfat /dev/sdb1 rw\n"
            "91 22 179:1 / /media/user/CARD_B rw,nosuid - vfat /dev/mmcblk0p1 rw\n"
            "92 22 11:0 / /media/user/DVD ro - iso9660 /dev/sr0 ro\n");

  EXPECT_EQ(Entries(), (std::vector<std::string>{"/media/user/CARD_B/ SD CARD",
                                                 "/media/user/RD 310/ SD CARD"}));
}

TEST_F(DriveEntriesTest, TwoReadersGiveTwoEntriesInTextOrder) {
  AddDisk(Block(), "sdb", "8:16", 15'523'904, true);
  AddPartition(Block(), "sdb", "sdb1", "8:17", 1);
  AddDisk(Block(), "sdc", "8:32", 15'523'904, true);
  AddPartition(Block(), "sdc", "sdc1", "8:33", 1);
  WriteFile(paths_.mountInfo,
            "90 22 8:17 / /media/user/ZETA rw - vfat /dev/sdb1 rw\n"
            "91 22 8:33 / /media/user/ALPHA rw - vfat /dev/sdc1 rw\n");
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"/media/user/ALPHA/ SD CARD", "/media/user/ZETA/ SD CARD"}));
}

TEST_F(DriveEntriesTest, NoRemovableVolumeMeansNoEntry) {
  AddDisk(Block(), "sda", "8:0", 500'000'000, false);
  AddPartition(Block(), "sda", "sda1", "8:1", 1);
  WriteFile(paths_.mountInfo, "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n");
  EXPECT_TRUE(Entries().empty());
}

}  // namespace
}  // namespace motrevix::catalog
