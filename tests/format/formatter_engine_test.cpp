// The formatting engine's opening, locking and failure paths on image files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "tests/format/format_test_helpers.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;
using format::CQVFormatter;

constexpr std::uint32_t kCardSectors = 15'523'840;

std::unique_ptr<InstrumentedImageSource> SourceOf(std::vector<fs::path> images,
                                                  std::shared_ptr<VolumeLog> log) {
  return std::make_unique<InstrumentedImageSource>(std::move(images), std::move(log));
}

// Another program's hold on the image: an exclusive advisory lock.
class ForeignLock {
 public:
  explicit ForeignLock(const fs::path& image) : m_nFd(::open(image.c_str(), O_RDONLY)) {
    m_bHeld = m_nFd >= 0 && ::flock(m_nFd, LOCK_EX | LOCK_NB) == 0;
  }
  ~ForeignLock() { Release(); }
  bool Held() const { return m_bHeld; }
  void Release() {
    if (m_nFd >= 0) ::close(m_nFd);
    m_nFd = -1;
    m_bHeld = false;
  }

 private:
  int m_nFd;
  bool m_bHeld = false;
};

TEST(FormatterOpen, DefaultsToTwoHundredFiftyAttemptsFiveMillisecondsApart) {
  const format::OpenRetryTiming timing;
  EXPECT_EQ(timing.attempts, 250);
  EXPECT_EQ(timing.pause, std::chrono::milliseconds(5));
}

TEST(FormatterOpen, RetriesABusyVolumeUntilItOpens) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  auto log = std::make_shared<VolumeLog>();
  log->busyAttempts = 3;
  auto pauses = std::make_shared<int>(0);
  CQVFormatter formatter(SourceOf({image}, log), CountingTiming(pauses));
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_TRUE(formatter.OpenVolume(0)) << formatter.GetLastError();
  EXPECT_EQ(log->openAttempts, 4);
  EXPECT_EQ(*pauses, 3);
  EXPECT_EQ(formatter.GetVolumeSectors(), kCardSectors);
}

TEST(FormatterOpen, GivesUpOnAVolumeThatStaysBusy) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  auto log = std::make_shared<VolumeLog>();
  log->busyAttempts = 1'000;
  auto pauses = std::make_shared<int>(0);
  CQVFormatter formatter(SourceOf({image}, log), CountingTiming(pauses));
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_FALSE(formatter.OpenVolume(0));
  EXPECT_EQ(log->openAttempts, 250);
  EXPECT_EQ(*pauses, 249);  // between attempts
  EXPECT_NE(formatter.GetLastError().find("busy"), std::string::npos);
  EXPECT_FALSE(formatter.IsVolumeOpen());
  EXPECT_FALSE(formatter.Format(0, "RD-310"));
  EXPECT_TRUE(log->writes.empty());
}

TEST(FormatterOpen, OtherOpenFailuresAreNotRetried) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  auto log = std::make_shared<VolumeLog>();
  auto pauses = std::make_shared<int>(0);
  CQVFormatter formatter(SourceOf({image}, log), CountingTiming(pauses));
  ASSERT_TRUE(formatter.ProbeDrives());
  fs::remove(image);  // the card is pulled between probe and open
  EXPECT_FALSE(formatter.OpenVolume(0));
  EXPECT_EQ(log->openAttempts, 1);
  EXPECT_EQ(*pauses, 0);
  EXPECT_NE(formatter.GetLastError().find("cannot be opened"), std::string::npos)
      << formatter.GetLastError();
}

TEST(FormatterOpen, LockHeldByAnotherProgramFailsAndNothingIsWritten) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  WriteSectorsOfByte(image, 0, 1, 0x42);
  ForeignLock other(image);
  ASSERT_TRUE(other.Held());
  auto log = std::make_shared<VolumeLog>();
  CQVFormatter formatter(SourceOf({image}, log));
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_FALSE(formatter.OpenVolume(0));
  EXPECT_NE(formatter.GetLastError().find("in use"), std::string::npos);
  EXPECT_FALSE(formatter.Format(0, "RD-310"));
  EXPECT_TRUE(log->writes.empty());
  EXPECT_EQ(ReadSectors(image, 0), std::vector<std::uint8_t>(512, 0x42));

  other.Release();
  EXPECT_TRUE(formatter.OpenVolume(0)) << formatter.GetLastError();
  EXPECT_TRUE(formatter.Format(0, "RD-310")) << formatter.GetLastError();
}

TEST(FormatterOpen, ReadOnlyVolumeIsRefusedCleanly) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  WriteSectorsOfByte(image, 0, 1, 0x42);
  // Root ignores permission bits, so as root the image is made immutable instead.
  bool immutable = false;
  if (::geteuid() == 0) {
    const int fd = ::open(image.c_str(), O_RDONLY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (fd >= 0) ::close(fd);
    if (!immutable) GTEST_SKIP() << "cannot make a read-only file here";
  } else {
    fs::permissions(image, fs::perms::owner_read | fs::perms::group_read);
  }
  CQVFormatter formatter(std::make_unique<ImageFileSource>(std::vector<fs::path>{image}));
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_FALSE(formatter.OpenVolume(0));
  const std::string reason = formatter.GetLastError();
  EXPECT_FALSE(formatter.Format(0, "RD-310"));
  if (immutable) {
    const int fd = ::open(image.c_str(), O_RDONLY);
    int flags = 0;
    ::ioctl(fd, FS_IOC_GETFLAGS, &flags);
    flags &= ~FS_IMMUTABLE_FL;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
  }
  EXPECT_NE(reason.find("write access"), std::string::npos) << reason;
  EXPECT_EQ(ReadSectors(image, 0), std::vector<std::uint8_t>(512, 0x42));
}

TEST(FormatterOpen, VolumeBeyondThirtyTwoBitSectorCountsIsRefused) {
  // 2 TiB + 512 bytes: N would wrap to 1 sector in 32 bits.
  fs::path image;
  try {
    image = MakeSparseImage(ScratchDir() / "huge.img", (1ULL << 32) + 1);
  } catch (const std::exception&) {
    GTEST_SKIP() << "this file system cannot hold a sparse file over 2 TiB";
  }
  CQVFormatter formatter(std::make_unique<ImageFileSource>(std::vector<fs::path>{image}));
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_FALSE(formatter.OpenVolume(0));
  EXPECT_NE(formatter.GetLastError().find("2 TiB"), std::string::npos);
  EXPECT_FALSE(formatter.IsVolumeOpen());
}

TEST(FormatterWrite, StopsAtTheFirstFailedWriteAndStillUnlocks) {
  struct Case {
    const char* where;
    int failWrite;  // 1-based number of the failing write
  };
  // Writes 1-128 zero the lead, 129-134 the reserved sectors, 135-194 the
  // first FAT, 195-254 the second, 255 the root directory.
  const Case cases[] = {{"zeroing", 5},
                        {"backup boot sector", 130},
                        {"first FAT", 150},
                        {"second FAT", 195},
                        {"root directory", 255}};
  const auto dir = ScratchDir();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const auto image = MakeSparseImage(dir / "card.img", kCardSectors);
    auto log = std::make_shared<VolumeLog>();
    log->failWriteNumber = c.failWrite;
    CQVFormatter formatter(SourceOf({image}, log));
    ASSERT_TRUE(formatter.ProbeDrives() && formatter.OpenVolume(0));
    EXPECT_FALSE(formatter.Format(0, "RD-310"));
    EXPECT_EQ(formatter.GetLastError(), "injected write failure");
    EXPECT_EQ(log->writes.size(), static_cast<std::size_t>(c.failWrite));
    EXPECT_EQ(log->unlocks, 1);
    EXPECT_TRUE(formatter.IsVolumeOpen());  // the caller closes it
  }
}

TEST(FormatterWrite, FailedFlushIsAFailedFormat) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  auto log = std::make_shared<VolumeLog>();
  log->failUnlock = true;
  CQVFormatter formatter(SourceOf({image}, log));
  ASSERT_TRUE(formatter.ProbeDrives() && formatter.OpenVolume(0));
  EXPECT_FALSE(formatter.Format(0, "RD-310"));
  EXPECT_EQ(formatter.GetLastError(), "injected flush failure");
}

TEST(FormatterWrite, UnlocksTheVolumeButKeepsItOpen) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", kCardSectors);
  CQVFormatter formatter(std::make_unique<ImageFileSource>(std::vector<fs::path>{image}));
  ASSERT_TRUE(formatter.ProbeDrives() && formatter.OpenVolume(0));
  {
    ForeignLock whileLocked(image);
    EXPECT_FALSE(whileLocked.Held());
  }
  ASSERT_TRUE(formatter.Format(0, "RD-310"));
  EXPECT_TRUE(formatter.IsVolumeOpen());
  ForeignLock afterFormat(image);
  EXPECT_TRUE(afterFormat.Held());
  // A second format needs the volume opened (and locked) again.
  EXPECT_FALSE(formatter.Format(0, "RD-310"));
}

TEST(FormatterWrite, RefusesWithoutTheRightOpenVolumeOrWithATooLongLabel) {
  const auto dir = ScratchDir();
  const auto first = MakeSparseImage(dir / "first.img", kCardSectors);
  const auto second = MakeSparseImage(dir / "second.img", kCardSectors);
  auto log = std::make_shared<VolumeLog>();
  CQVFormatter formatter(SourceOf({first, second}, log));
  ASSERT_TRUE(formatter.ProbeDrives());
  ASSERT_EQ(formatter.GetDriveCount(), 2);
  EXPECT_FALSE(formatter.Format(0, "RD-310"));  // nothing open
  ASSERT_TRUE(formatter.OpenVolume(1));
  EXPECT_FALSE(formatter.Format(0, "RD-310"));  // another drive than the open one
  EXPECT_FALSE(formatter.Format(2, "RD-310"));  // out of range
  EXPECT_FALSE(formatter.Format(1, "RD-310-CARDS"));
  EXPECT_NE(formatter.GetLastError().find("longer than 11"), std::string::npos);
  EXPECT_TRUE(log->writes.empty());
  EXPECT_TRUE(formatter.Format(1, "RD-310-CAR")) << formatter.GetLastError();
}

TEST(FormatterProbe, ListsNonEmptyImagesInOrderAndClosesTheOpenVolume) {
  const auto dir = ScratchDir();
  const auto a = MakeSparseImage(dir / "a.img", kCardSectors);
  const auto empty = MakeSparseImage(dir / "empty.img", 0);
  const auto b = MakeSparseImage(dir / "b.img", 78'157);
  CQVFormatter formatter(
      std::make_unique<ImageFileSource>(std::vector<fs::path>{a, empty, dir / "missing.img", b}));
  ASSERT_TRUE(formatter.ProbeDrives());
  ASSERT_EQ(formatter.GetDriveCount(), 2);
  EXPECT_EQ(formatter.GetDriveName(0), a.string());
  EXPECT_EQ(formatter.GetDriveName(1), b.string());
  EXPECT_EQ(formatter.GetDrive(1)->lengthBytes, 78'157u * 512);
  EXPECT_EQ(formatter.GetDriveName(2), std::nullopt);
  EXPECT_EQ(formatter.GetDriveName(-1), std::nullopt);

  ASSERT_TRUE(formatter.OpenVolume(1));
  EXPECT_EQ(formatter.GetVolumeSectors(), 78'157u);
  ASSERT_TRUE(formatter.ProbeDrives());
  EXPECT_FALSE(formatter.IsVolumeOpen());
  EXPECT_EQ(formatter.GetVolumeSectors(), 0u);
  ForeignLock released(b);
  EXPECT_TRUE(released.Held());

  CQVFormatter none(std::make_unique<ImageFileSource>(std::vector<fs::path>{empty}));
  EXPECT_FALSE(none.ProbeDrives());
  EXPECT_FALSE(none.OpenVolume(0));
}

}  // namespace
}  // namespace motrevix::test
