// Pictures written as JPEG and BMP files, read back by Qt and by ffprobe.
#include "view/picture_file.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QPainter>
#include <fstream>
#include <iterator>

#include "tests/support/test_support.h"

namespace motrevix {
namespace {

namespace fs = std::filesystem;

// A picture of odd size with four coloured quarters, as a renderer grabs it.
QImage QuarteredPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.fillRect(0, 0, width / 2, height / 2, QColor(220, 30, 30));
  painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(30, 200, 40));
  painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 40, 210));
  painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2,
                   QColor(250, 250, 250));
  return picture;
}

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

int ColourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

TEST(PictureFile, WritesPicturesThatDecodeToTheGrabbedSizeAndContent) {
  const fs::path dir = test::ScratchDir();
  const QImage picture = QuarteredPicture(321, 181);
  const struct {
    const char* format;
    const char* name;
    const char* decodedFormat;
    const char* probedCodec;
    int tolerance;
  } cases[] = {
      {kJpegFormat, "shot_front.jpg", "jpeg", "mjpeg", 30},
      {kBmpFormat, "_MX_front.bmp", "bmp", "bmp", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir / c.name;
    ASSERT_EQ(WritePictureFile(picture, file.string(), c.format), std::nullopt);
    QImageReader reader(QString::fromStdString(file.string()));
    EXPECT_EQ(reader.format(), c.decodedFormat);
    const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(decoded.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(decoded.size(), picture.size());
    // Samples inside each quarter, away from the edges that JPEG blurs.
    for (const QPoint p : {QPoint(40, 40), QPoint(280, 40), QPoint(40, 150), QPoint(280, 150)})
      EXPECT_LE(ColourDistance(decoded.pixel(p), picture.pixel(p)), c.tolerance) << p.x();

    const test::ProbedFile probed = test::Probe(file);
    ASSERT_TRUE(probed.ok);
    ASSERT_EQ(probed.streams.size(), 1u);
    EXPECT_EQ(probed.streams[0].codecName, c.probedCodec);
    EXPECT_EQ(probed.streams[0].width, 321);
    EXPECT_EQ(probed.streams[0].height, 181);
  }
}

TEST(PictureFile, AFailedWriteIsReportedAndLeavesAnOlderFileAsItWas) {
  const fs::path dir = test::ScratchDir();
  const fs::path existing = dir / "keep_front.jpg";
  std::ofstream(existing) << "an older snapshot";
  fs::create_directory(dir / "folder.jpg");

  const struct {
    const char* situation;
    QImage picture;
    fs::path target;
    const char* format;
  } cases[] = {
      {"no picture", QImage(), existing, kJpegFormat},
      {"folder missing", QuarteredPicture(80, 60), dir / "missing" / "a_front.jpg", kJpegFormat},
      {"target is a folder", QuarteredPicture(80, 60), dir / "folder.jpg", kJpegFormat},
      {"unknown encoder", QuarteredPicture(80, 60), existing, "no-such-format"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.situation);
    const auto error = WritePictureFile(c.picture, c.target.string(), c.format);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(c.target.string()), std::string::npos) << *error;
  }
  EXPECT_EQ(FileText(existing), "an older snapshot");
  EXPECT_TRUE(fs::is_directory(dir / "folder.jpg"));
  // Nothing half-written is left beside the files.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 2);
}

}  // namespace
}  // namespace motrevix
