// motrevix-cli format on image files, and its refusals.
#include <gtest/gtest.h>

#include "tests/format/format_test_helpers.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;

TEST(FormatCli, CreatesAndFormatsASparseImage) {
  const auto image = ScratchDir() / "card.img";
  const ProcessResult run = RunTool("motrevix-cli", {"format", "--image", image.string(), "--size",
                                                     "7948206080", "--label", "rd-310"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("15523840 sectors"), std::string::npos) << run.out;
  EXPECT_EQ(fs::file_size(image), 7'948'206'080u);
  const ProcessResult fsck = test::Run("fsck.fat", {"-n", image.string()});
  EXPECT_NE(fsck.out.find("1 files, 1/242499 clusters"), std::string::npos) << fsck.out;
  const auto root = ReadSectors(image, 3'822);
  EXPECT_EQ(std::string(root.begin(), root.begin() + 11), "rd-310     ");
}

TEST(FormatCli, FormatsAnExistingImageWithTheCameraLabelByDefault) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 78'157);
  const ProcessResult run = RunTool("motrevix-cli", {"format", "--image", image.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto boot = ReadSectors(image, 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&boot[71])), "RD-310");
}

TEST(FormatCli, BadCommandLinesAreUsageErrors) {
  const std::vector<std::vector<std::string>> lines = {
      {"format"},
      {"format", "--image", "a.img", "--device", "/dev/sdx"},
      {"format", "probe", "--image", "a.img"},
      {"format", "--device", "/dev/sdx", "--size", "1000"},
      {"format", "--image", "a.img", "--size", "12k"},
      {"format", "--image", "a.img", "--label", "TWELVE-BYTES"},
      {"format", "--image"},
      {"format", "--frobnicate"},
  };
  for (const auto& line : lines) {
    const ProcessResult run = RunTool("motrevix-cli", line);
    EXPECT_EQ(run.exitCode, 2) << line.back() << "\n" << run.err;
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
  }
}

TEST(FormatCli, FailuresExplainThemselvesAndLeaveFilesAlone) {
  const auto dir = ScratchDir();
  const auto existing = MakeSparseImage(dir / "existing.img", 78'157);
  WriteSectorsOfByte(existing, 0, 1, 0x42);
  const auto small = MakeSparseImage(dir / "small.img", 78'156);
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"format", "--image", existing.string(), "--size", "40000000"}, "does not exist yet"},
      {{"format", "--image", (dir / "missing.img").string()}, "is not an existing image file"},
      {{"format", "--image", small.string()}, "too small"},
      {{"format", "--device", existing.string(), "--yes"}, "is not a block device"},
      {{"format", "--device", "/dev/null", "--yes"}, "is not a block device"},
      {{"format", "--device", (dir / "missing").string()}, "does not exist"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = RunTool("motrevix-cli", c.args);
    EXPECT_EQ(run.exitCode, 1) << c.args[2];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadSectors(existing, 0), std::vector<std::uint8_t>(512, 0x42));
  EXPECT_FALSE(fs::exists(dir / "missing.img"));
}

// A refused format leaves an image as it was, and removes an image it made itself.
TEST(FormatCli, TooSmallImageKeepsItsBytesAndAMadeImageGoes) {
  const auto dir = ScratchDir();
  const auto small = MakeSparseImage(dir / "small.img", 2'048);
  WriteSectorsOfByte(small, 0, 2'048, 0x5A);
  const ProcessResult refused = RunTool("motrevix-cli", {"format", "--image", small.string()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("too small"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadSectors(small, 0, 2'048), std::vector<std::uint8_t>(2'048 * 512, 0x5A));

  const auto made = dir / "made.img";
  const ProcessResult sized =
      RunTool("motrevix-cli", {"format", "--image", made.string(), "--size", "1048576"});
  EXPECT_EQ(sized.exitCode, 1);
  EXPECT_NE(sized.err.find("too small"), std::string::npos) << sized.err;
  EXPECT_FALSE(fs::exists(made));
}

TEST(FormatCli, ProbeListsCandidatesOrSaysThereAreNone) {
  const ProcessResult run = RunTool("motrevix-cli", {"format", "probe"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(run.out.find("No removable volume") != std::string::npos ||
              run.out.find(" sectors ") != std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace motrevix::test
