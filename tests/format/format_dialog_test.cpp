// The format dialog over sparse image files standing in for cards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "format/format_dialog_text.h"
#include "tests/format/format_dialog_fixture.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConfirm = "Run SD Card format. Please check Drive letter again.\nContinue?";

TEST_F(FormatDialogTest, StartsWithUnselectedDriveEntriesAndFormatDisabled) {
  const fs::path dir = ScratchDir();
  const auto first = MakeSparseImage(dir / "a.img", 15'523'840);
  const auto second = MakeSparseImage(dir / "b.img", 62'333'952);
  OpenOnImages({first, second, dir / "missing.img"});
  EXPECT_EQ(dialog_->windowTitle(), "FAT32 Formatter");
  ASSERT_EQ(Drives()->count(), 2);
  EXPECT_EQ(Drives()->itemText(0).toStdString(), first.string() + " Drive");
  EXPECT_EQ(Drives()->itemText(1).toStdString(), second.string() + " Drive");
  EXPECT_EQ(Drives()->currentIndex(), -1);
  EXPECT_EQ(Status(), "Select Drive...");
  EXPECT_EQ(Label(), "");
  EXPECT_FALSE(Enabled("1217"));
}

// Template 398 in pixels: dialog units of an 8-point font (x 1.5, y 1.625).
TEST_F(FormatDialogTest, ControlsSitWhereTheTemplatePutsThem) {
  OpenOnImages({});
  EXPECT_EQ(dialog_->size(), QSize(474, 296));
  const struct {
    const char* id;
    QRect rect;
  } controls[] = {
      {"1211", {23, 33, 90, 24}},   {"1213", {137, 29, 210, 24}}, {"1214", {362, 28, 90, 24}},
      {"1212", {23, 72, 90, 24}},   {"1096", {137, 68, 210, 24}}, {"1218", {11, 127, 453, 114}},
      {"1215", {30, 153, 413, 24}}, {"1216", {26, 189, 423, 33}}, {"1217", {273, 262, 90, 23}},
      {"1", {374, 262, 75, 23}},
  };
  for (const auto& c : controls) EXPECT_EQ(Control<QWidget>(c.id)->geometry(), c.rect) << c.id;
}

TEST_F(FormatDialogTest, WithoutACardListsNoSdCard) {
  OpenOnImages({ScratchDir() / "missing.img"});
  ASSERT_EQ(Drives()->count(), 1);
  EXPECT_EQ(Drives()->currentText(), "No SD Card");
  EXPECT_FALSE(Enabled("1217"));
  EXPECT_TRUE(prompt_.messages.empty());
}

// The readiness text of each card size; the last card has 1,000 MiB beyond its
// 7 GiB and reads 7.9, not 7.10. Selecting replaces a typed label with "RD-310".
TEST_F(FormatDialogTest, SelectingACardShowsItsSizeAndTheCameraLabel) {
  const struct {
    std::uint32_t sectors;
    const char* text;
  } cards[] = {
      {15'523'840, "7.4 GB SD Card is ready"},
      {62'333'952, "29.7 GB SD Card is ready"},
      {16'728'064, "7.9 GB SD Card is ready"},
  };
  const fs::path dir = ScratchDir();
  std::vector<fs::path> images;
  for (const auto& card : cards)
    images.push_back(MakeSparseImage(dir / (std::to_string(card.sectors) + ".img"), card.sectors));
  OpenOnImages(images);
  for (int i = 0; i < 3; ++i) {
    Control<QLineEdit>("1096")->setText("typed");
    Select(i);
    EXPECT_EQ(Status(), cards[i].text);
    EXPECT_EQ(Label(), "RD-310");
    EXPECT_TRUE(Enabled("1217"));
    EXPECT_TRUE(dialog_->Formatter().IsVolumeOpen());
  }
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST(FormatReadinessText, TenthsStopAtNine) {
  const struct {
    std::uint32_t mebibytes;
    const char* text;
  } cases[] = {{7 * 1024 + 99, "7.0 GB SD Card is ready"},
               {7 * 1024 + 999, "7.9 GB SD Card is ready"},
               {7 * 1024 + 1023, "7.9 GB SD Card is ready"},
               {8 * 1024, "8.0 GB SD Card is ready"}};
  for (const auto& c : cases) EXPECT_EQ(format::ReadinessText(c.mebibytes * 2048), c.text);
}

TEST_F(FormatDialogTest, CancelAtTheQuestionWritesNothingAndKeepsTheCardReady) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
  WriteSectorsOfByte(image, 0, 8, 0xAB);
  OpenOnImages({image});
  Select(0);
  prompt_.answers = {false};
  ClickFormat();
  ASSERT_EQ(prompt_.questions.size(), 1u);
  EXPECT_EQ(prompt_.questions[0].text, kConfirm);
  EXPECT_EQ(prompt_.questions[0].icon, MessageIcon::Question);
  EXPECT_EQ(ReadSectors(image, 0, 8), std::vector<std::uint8_t>(8 * 512, 0xAB));
  EXPECT_TRUE(Enabled("1217"));
  EXPECT_TRUE(dialog_->Formatter().IsVolumeOpen());
  EXPECT_TRUE(prompt_.messages.empty());
}

// While the format writes every control is disabled; afterwards only Close is
// enabled, the bar is full and the card passes fsck.fat and minfo.
TEST_F(FormatDialogTest, FormatWritesAVolumeTheOraclesAccept) {
  ::setenv("MTOOLS_SKIP_CHECK", "1", 1);
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
  std::vector<std::string> enabledWhileWriting;
  CardBehaviour behaviour;
  behaviour.onWrite = [&] {
    for (const char* id : {"1213", "1214", "1217", "1096", "1"})
      if (Enabled(id)) enabledWhileWriting.push_back(id);
  };
  OpenOnImages({image}, behaviour);
  Select(0);
  ClickFormat();
  EXPECT_TRUE(enabledWhileWriting.empty()) << enabledWhileWriting.front();
  EXPECT_EQ(Messages(), std::vector<std::string>{"SD Card format completed"});
  EXPECT_EQ(Icons(), std::vector<MessageIcon>{MessageIcon::Information});
  EXPECT_EQ(Progress(), 100);
  for (const char* id : {"1213", "1214", "1217", "1096"}) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled("1"));
  EXPECT_FALSE(dialog_->Formatter().IsVolumeOpen());

  EXPECT_EQ(FsckComplaints(image, "RD-310"), std::vector<std::string>{});
  const ProcessResult info = test::Run("minfo", {"-i", image.string(), "::"});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("disk label=\"     RD-310\""), std::string::npos) << info.out;
}

TEST_F(FormatDialogTest, AFailingVolumeLeavesTheBarAtFiftyWithTheFailureText) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
  auto log = std::make_shared<VolumeLog>();
  log->failWriteNumber = 140;  // inside the first FAT
  Open(std::make_unique<InstrumentedImageSource>(std::vector<fs::path>{image}, log));
  Select(0);
  ClickFormat();
  EXPECT_EQ(Messages(), std::vector<std::string>{"SD Card format failed"});
  EXPECT_EQ(Icons(), std::vector<MessageIcon>{MessageIcon::Error});
  EXPECT_EQ(Progress(), 50);
  EXPECT_EQ(log->writes.size(), 140u);
  EXPECT_EQ(log->unlocks, 1);
  EXPECT_FALSE(Enabled("1217"));
  EXPECT_TRUE(Enabled("1"));
}

// Labels are printable ASCII of at most 10 characters: the edit refuses others,
// and one set past the edit is not written.
TEST_F(FormatDialogTest, LabelsAreShortPrintableAscii) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
  WriteSectorsOfByte(image, 0, 1, 0xAB);
  OpenOnImages({image});
  Select(0);
  auto* label = Control<QLineEdit>("1096");
  label->clear();
  for (const QChar c : QString::fromUtf8("Kä rte-0123456")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(label, &press);
  }
  EXPECT_EQ(label->text(), "K rte-0123");

  label->setText(QString::fromUtf8("Käse"));
  ClickFormat();
  EXPECT_EQ(Messages(), std::vector<std::string>{"SD Card format failed"});
  EXPECT_EQ(Progress(), 50);
  EXPECT_EQ(ReadSectors(image, 0, 1), std::vector<std::uint8_t>(512, 0xAB));
}

TEST_F(FormatDialogTest, RefusedOpenTellsTheUserAndKeepsFormatDisabled) {
  const auto image = MakeSparseImage(ScratchDir() / "card.img", 15'523'840);
  CardBehaviour behaviour;
  behaviour.directOpenError = EACCES;
  OpenOnImages({image}, behaviour);
  Select(0);
  EXPECT_EQ(Messages(), std::vector<std::string>{"SD card or use other applications."});
  EXPECT_EQ(Icons(), std::vector<MessageIcon>{MessageIcon::Error});
  EXPECT_FALSE(Enabled("1217"));
  EXPECT_FALSE(dialog_->Formatter().IsVolumeOpen());
}

}  // namespace
}  // namespace motrevix::test
