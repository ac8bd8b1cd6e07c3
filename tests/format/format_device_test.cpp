// Block devices: which ones the command line may format, the confirmation, and
// the exclusive open, length query and writes on a real loop device (skipped
// where no loop device can be attached).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "format/format_target.h"
#include "tests/format/format_test_helpers.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text << "\n";
}

// A device node of made-up numbers plus a sysfs tree and mount table that
// describe it, so the checks see a removable card without one being there.
class FakeCardReader : public ::testing::Test {
 protected:
  void SetUp() override {
    m_root = ScratchDir();
    m_node = m_root / "card";
    if (::mknod(m_node.c_str(), S_IFBLK | 0600, makedev(7, 200)) != 0)
      GTEST_SKIP() << "cannot make a device node here (needs root)";
    m_paths.sysfsRoot = m_root / "sys";
    m_paths.mountInfo = m_root / "mountinfo";
    const fs::path disk = m_paths.sysfsRoot / "block" / "sdx";
    WriteFile(disk / "dev", "7:200");
    WriteFile(disk / "size", "15523840");
    WriteFile(disk / "removable", "1");
    WriteFile(m_paths.mountInfo, "22 1 254:0 / / rw - ext4 /dev/vda rw");
  }
  fs::path m_root, m_node;
  SystemPaths m_paths;
};

TEST_F(FakeCardReader, AllowsAnUnmountedRemovableVolume) {
  const auto check = format::CheckFormatTarget(m_node.string(), m_paths);
  ASSERT_TRUE(check.allowed) << check.refusal;
  EXPECT_EQ(check.volume.sizeSectors, 15'523'840u);
  EXPECT_EQ(check.volume.devicePath, m_node.string());
}

TEST_F(FakeCardReader, RefusesAMountedVolume) {
  WriteFile(m_paths.mountInfo,
            "22 1 254:0 / / rw - ext4 /dev/vda rw\n"
            "90 22 7:200 / /media/user/CARD rw - vfat /dev/sdx rw");
  const auto check = format::CheckFormatTarget(m_node.string(), m_paths);
  EXPECT_FALSE(check.allowed);
  EXPECT_NE(check.refusal.find("mounted on /media/user/CARD"), std::string::npos) << check.refusal;
}

TEST_F(FakeCardReader, RefusesDevicesThatAreNotRemovableVolumes) {
  WriteFile(m_paths.sysfsRoot / "block" / "sdx" / "removable", "0");
  EXPECT_FALSE(format::CheckFormatTarget(m_node.string(), m_paths).allowed);

  // A removable disk with a partition table: only its partitions qualify.
  WriteFile(m_paths.sysfsRoot / "block" / "sdx" / "removable", "1");
  const fs::path partition = m_paths.sysfsRoot / "block" / "sdx" / "sdx1";
  WriteFile(partition / "dev", "7:201");
  WriteFile(partition / "size", "15523776");
  WriteFile(partition / "partition", "1");
  const auto whole = format::CheckFormatTarget(m_node.string(), m_paths);
  EXPECT_FALSE(whole.allowed);
  EXPECT_NE(whole.refusal.find("not a volume of a removable device"), std::string::npos);
}

TEST(FormatTarget, RefusesWhatIsNotABlockDevice) {
  const auto dir = ScratchDir();
  const auto image = MakeSparseImage(dir / "card.img", 78'157);
  struct Case {
    std::string path;
    std::string refusal;
  };
  const Case cases[] = {{image.string(), "is not a block device"},
                        {"/dev/null", "is not a block device"},
                        {(dir / "missing").string(), "does not exist"}};
  for (const auto& c : cases) {
    const auto check = format::CheckFormatTarget(c.path);
    EXPECT_FALSE(check.allowed) << c.path;
    EXPECT_NE(check.refusal.find(c.refusal), std::string::npos) << check.refusal;
  }
}

TEST(FormatTarget, ConfirmationNeedsAnExplicitYes) {
  RemovableVolume volume;
  volume.devicePath = "/dev/sdx1";
  volume.sizeSectors = 15'523'840;
  const std::pair<std::string, bool> answers[] = {
      {"yes\n", true},        {"y\n", true}, {"no\n", false},
      {"\n", false},          {"", false},  // end of input, as from a script without --yes
      {"YES please\n", false}};
  for (const auto& [typed, agreed] : answers) {
    std::istringstream in(typed);
    std::ostringstream out;
    EXPECT_EQ(format::ConfirmFormat(volume, "RD-310", in, out), agreed) << typed;
    EXPECT_NE(out.str().find("/dev/sdx1 (7580 MiB)"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("'RD-310'"), std::string::npos);
  }
}

// A sparse image attached to a loop device for the length of a test.
class LoopDevice {
 public:
  explicit LoopDevice(const fs::path& image) {
    const ProcessResult attach = Run("losetup", {"--find", "--show", image.string()});
    if (attach.exitCode != 0) return;
    m_strPath = attach.out.substr(0, attach.out.find('\n'));
  }
  ~LoopDevice() {
    if (!m_strPath.empty()) Run("losetup", {"-d", m_strPath});
  }
  const std::string& Path() const { return m_strPath; }

 private:
  std::string m_strPath;
};

class OnLoopDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    m_image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
    WriteSectorsOfByte(m_image, 0, 1, 0x42);
    m_loop = std::make_unique<LoopDevice>(m_image);
    if (m_loop->Path().empty()) GTEST_SKIP() << "no loop device can be attached here";
  }
  fs::path m_image;
  std::unique_ptr<LoopDevice> m_loop;
};

TEST_F(OnLoopDevice, BusyDeviceIsRetriedThenFormattedExclusively) {
  auto held = OpenBlockDeviceForWriting(m_loop->Path());
  ASSERT_EQ(held.status, VolumeOpenStatus::Opened) << held.reason;
  const auto second = OpenBlockDeviceForWriting(m_loop->Path());
  EXPECT_EQ(second.status, VolumeOpenStatus::Busy);

  auto pauses = std::make_shared<int>(0);
  format::CQVFormatter formatter(std::make_unique<SingleBlockDeviceSource>(m_loop->Path()),
                                 CountingTiming(pauses));
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_EQ(formatter.GetDrive(0)->lengthBytes, 15'523'840ULL * 512);
  EXPECT_FALSE(formatter.OpenVolume(0));
  EXPECT_EQ(*pauses, 249);
  EXPECT_NE(formatter.GetLastError().find("in use"), std::string::npos);

  held.volume.reset();
  ASSERT_TRUE(formatter.OpenVolume(0)) << formatter.GetLastError();
  EXPECT_EQ(formatter.GetVolumeSectors(), 15'523'840u);
  EXPECT_EQ(OpenBlockDeviceForWriting(m_loop->Path()).status, VolumeOpenStatus::Busy);
  ASSERT_TRUE(formatter.Format(0, "RD-310")) << formatter.GetLastError();
  formatter.CloseVolume();
  m_loop.reset();

  const ProcessResult fsck = test::Run("fsck.fat", {"-n", m_image.string()});
  EXPECT_NE(fsck.out.find("1 files, 1/242499 clusters"), std::string::npos) << fsck.out;
  const auto boot = ReadSectors(m_image, 0);
  EXPECT_EQ(std::string(boot.begin() + 82, boot.begin() + 90), "FAT32   ");
}

TEST_F(OnLoopDevice, CommandLineRefusesANonRemovableDevice) {
  const ProcessResult run =
      RunTool("motrevix-cli", {"format", "--device", m_loop->Path(), "--yes"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("not a volume of a removable device"), std::string::npos) << run.err;
  m_loop.reset();
  EXPECT_EQ(ReadSectors(m_image, 0), std::vector<std::uint8_t>(512, 0x42));
}

}  // namespace
}  // namespace motrevix::test
