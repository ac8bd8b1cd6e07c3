// The speed read-out and the G-sensor graph as painted: grabbed pixels against
// the digit strip's cells and the graph's colours.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <set>

#include "telemetry/gsensor_graph.h"
#include "telemetry/gsensor_window.h"
#include "telemetry/speed_readout_widget.h"
#include "telemetry/telemetry_data.h"

namespace motrevix {
namespace {

constexpr int B = kBlankDigitCell;

QColor CellColour(int cell) { return QColor(20 + cell * 20, 230 - cell * 15, 40 + cell * 9); }

// A strip whose cells are each one colour, with a dot in the top-left corner so
// a cell copied from the wrong offset shows.
QPixmap ColouredStrip() {
  QImage strip(kDigitStripWidth, kDigitCellHeight, QImage::Format_RGB32);
  for (int cell = 0; cell <= kBlankDigitCell; ++cell) {
    for (int y = 0; y < kDigitCellHeight; ++y)
      for (int x = 0; x < kDigitCellWidth; ++x)
        strip.setPixelColor(cell * kDigitCellWidth + x, y, CellColour(cell));
    strip.setPixelColor(cell * kDigitCellWidth, 0, Qt::white);
  }
  return QPixmap::fromImage(strip);
}

QImage Cell(const QImage& image, int position) {
  return image.copy(position * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight)
      .convertToFormat(QImage::Format_RGB32);
}

TEST(SpeedReadoutWidgetTest, EachPositionShowsItsCellOfTheStrip) {
  QWidget parent;
  parent.resize(1080, 710);
  CSpeedReadoutWidget readout(&parent);
  EXPECT_EQ(readout.geometry(), QRect(922, 639, 78, 37));

  const QPixmap strip = ColouredStrip();
  const QImage stripImage = strip.toImage();
  readout.SetDigitStrip(strip);
  const SpeedCells cases[] = {{B, B, 0}, {B, 1, 8}, {1, 0, 5}, {9, 9, 9}, kBlankSpeedCells};
  for (const SpeedCells& cells : cases) {
    readout.ShowCells(cells);
    const QImage grabbed = readout.grab().toImage();
    for (int position = 0; position < 3; ++position) {
      const QImage expected =
          stripImage.copy(cells[position] * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight)
              .convertToFormat(QImage::Format_RGB32);
      EXPECT_EQ(Cell(grabbed, position), expected)
          << "position " << position << " cell " << cells[position];
    }
  }
}

TEST(SpeedReadoutWidgetTest, AStripForAHighDensityScreenShowsTheSameCells) {
  QWidget parent;
  CSpeedReadoutWidget readout(&parent);
  QPixmap strip = ColouredStrip().scaled(2 * kDigitStripWidth, 2 * kDigitCellHeight);
  strip.setDevicePixelRatio(2);
  readout.SetDigitStrip(strip);
  readout.ShowCells({3, 7, B});
  const QImage grabbed = readout.grab().toImage();
  const int cells[] = {3, 7, B};
  for (int position = 0; position < 3; ++position)
    EXPECT_EQ(grabbed.pixelColor(position * kDigitCellWidth + 13, 18), CellColour(cells[position]))
        << position;
}

TEST(SpeedReadoutWidgetTest, WithoutAStripThePlainDigitsAreDrawnAndDiffer) {
  QWidget parent;
  CSpeedReadoutWidget readout(&parent);
  readout.SetDigitStrip(QPixmap());
  readout.ShowCells({1, 0, 5});
  const QImage grabbed = readout.grab().toImage();
  const QImage plain = CSpeedReadoutWidget::PlainDigitStrip().toImage();
  EXPECT_EQ(Cell(grabbed, 0), plain.copy(1 * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight)
                                  .convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(Cell(grabbed, 2), plain.copy(5 * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight)
                                  .convertToFormat(QImage::Format_RGB32));
  // Digits are told apart: no two cells of the plain strip look the same.
  std::set<QByteArray> seen;
  for (int cell = 0; cell <= kBlankDigitCell; ++cell) {
    const QImage image = plain.copy(cell * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight);
    seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                           static_cast<int>(image.sizeInBytes())));
  }
  EXPECT_EQ(seen.size(), 11u);
}

QColor ToColor(const GraphRgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// Rows of a column that have the colour.
std::set<int> RowsWithColour(const QImage& image, int x, const QColor& colour) {
  std::set<int> rows;
  for (int y = 0; y < image.height(); ++y)
    if (image.pixelColor(x, y).rgb() == colour.rgb() && image.pixelColor(x, y).alpha() == 255)
      rows.insert(y);
  return rows;
}

class GSensorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Flat axes: X at +100, Y at 0, Z at -100, one sample a second over a minute.
    for (int s = 0; s <= 60; ++s) data_.m_aGSensor.push_back({100, 0, -100, s * 1000});
    background_ = QPixmap(kGraphWidth, kGraphHeight);
    background_.fill(QColor(200, 200, 200));
    {
      QPainter painter(&background_);
      painter.fillRect(QRect(600, 20, 10, 5), QColor(0, 255, 0));  // see-through patch
    }
    window_.SetBackground(background_);
    window_.SetTextData(&data_);
    window_.SetDurationMs(60000);
  }

  CTextData data_;
  QPixmap background_;
  CGSensorDlg window_{nullptr};
};

TEST_F(GSensorWindowTest, CurvesRunInTheirColoursAndTheMarkerIsInItsColumn) {
  window_.SetMarkerMs(30000);
  const QImage painted = window_.grab().toImage();
  ASSERT_EQ(painted.size(), QSize(kGraphWidth, kGraphHeight));
  struct Axis {
    GraphRgb colour;
    int value;
  };
  const Axis axes[] = {{kAxisColours[0], 100}, {kAxisColours[1], 0}, {kAxisColours[2], -100}};
  for (const Axis& axis : axes) {
    const int row = GraphValueY(axis.value);
    for (int x : {5, 200, 500, 700}) {
      const std::set<int> rows = RowsWithColour(painted, x, ToColor(axis.colour));
      ASSERT_FALSE(rows.empty()) << "value " << axis.value << " column " << x;
      EXPECT_GE(*rows.begin(), row - 1);
      EXPECT_LE(*rows.rbegin(), row + 1);
    }
  }
  const QColor marker = ToColor(kMarkerColour);
  EXPECT_EQ(RowsWithColour(painted, 357, marker).size(), 67u);  // drawn over the curves
  for (int x : {356, 358}) EXPECT_TRUE(RowsWithColour(painted, x, marker).empty()) << x;
}

TEST_F(GSensorWindowTest, TheMarkerComesBackWithEveryRepaintAndNotAtPositionZero) {
  window_.SetMarkerMs(30000);
  window_.grab();
  const QImage repainted = window_.grab().toImage();  // a second paint, no new position
  EXPECT_FALSE(RowsWithColour(repainted, 357, ToColor(kMarkerColour)).empty());
  window_.SetMarkerMs(0);
  EXPECT_TRUE(RowsWithColour(window_.grab().toImage(), 0, ToColor(kMarkerColour)).empty());
}

TEST_F(GSensorWindowTest, TheNextRecordingsSamplesReplaceTheCurves) {
  const QColor x = ToColor(kAxisColours[0]);
  EXPECT_FALSE(RowsWithColour(window_.grab().toImage(), 200, x).empty());
  // The open refills the same container and hands it over again.
  for (CGSensorData& sample : data_.m_aGSensor) sample.m_nX = -60;
  window_.SetTextData(&data_);
  const std::set<int> rows = RowsWithColour(window_.grab().toImage(), 200, x);
  ASSERT_FALSE(rows.empty());
  EXPECT_GE(*rows.begin(), GraphValueY(-60) - 1);
  EXPECT_LE(*rows.rbegin(), GraphValueY(-60) + 1);
}

TEST_F(GSensorWindowTest, DurationZeroShowsTheBareBackgroundAndGreenIsSeeThrough) {
  window_.grab();  // curves drawn first
  window_.SetDurationMs(0);
  window_.SetMarkerMs(30000);
  const QImage graph = window_.RenderGraph();
  const QImage background = background_.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < kGraphHeight; ++y)
    for (int x = 0; x < kGraphWidth; ++x) {
      const bool green = QRect(600, 20, 10, 5).contains(x, y);
      ASSERT_EQ(graph.pixel(x, y), green ? qRgba(0, 0, 0, 0) : background.pixel(x, y))
          << x << "," << y;
    }
}

}  // namespace
}  // namespace motrevix
