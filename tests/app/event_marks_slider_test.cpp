// The event marks on the progress slider: opening a recording with two G-sensor
// bumps draws two marks at the bumps' places on the track; Stop and a recording
// without G-sensor samples draw none.
#include <QImage>
#include <QSlider>
#include <QStyle>
#include <vector>

#include "app/control_ids.h"
#include "skin/bit_slider.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

using EventMarksOnTheSlider = MainWindowTest;

bool IsMarkColour(QColor c) {
  return c.red() > 200 && c.green() > 130 && c.green() < 200 && c.blue() < 110;
}

// The centres of the runs of columns of the slider's picture that show the mark colour.
std::vector<double> DrawnMarkCentres(QSlider* slider) {
  const QImage image = slider->grab().toImage();
  std::vector<double> centres;
  int runStart = -1;
  for (int x = 0; x <= image.width(); ++x) {
    bool marked = false;
    for (int y = 0; x < image.width() && y < image.height() && !marked; ++y)
      marked = IsMarkColour(image.pixelColor(x, y));
    if (marked && runStart < 0) runStart = x;
    if (!marked && runStart >= 0) {
      centres.push_back((runStart + x - 1) / 2.0 / image.devicePixelRatio());
      runStart = -1;
    }
  }
  return centres;
}

TEST_F(EventMarksOnTheSlider, TwoBumpsGiveTwoMarksAtTheirPlaces) {
  const auto bumps = scratch_ / "N_2024_05_17_08_31_05.MP4";
  const ProcessResult made =
      RunTool("make-recording", {"--out", bumps.string(), "--seconds", "10", "--channels", "1",
                                 "--front", "160x120", "--fps", "10", "--bumps", "2000,7000"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const auto plain = MakeRecording({1, false, 2}, "N_2024_05_17_08_41_05.AVI");
  ListFiles({bumps, plain});
  CSamplePlayerDlg& window = Window();
  window.show();
  auto* progress = qobject_cast<CBitSlider*>(window.Slider(kIdProgress));
  ASSERT_NE(progress, nullptr);

  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(bumps.string())));
  ASSERT_EQ(progress->Marks().size(), 2u);
  const double duration = progress->maximum();
  ASSERT_GT(duration, 9000);
  const double bumpMs[] = {2000, 7000};
  // The generator's bump lasts about 300 ms around its time; a mark sits on its
  // strongest sample.
  for (int i = 0; i < 2; ++i) EXPECT_NEAR(progress->Marks()[i], bumpMs[i], 160) << i;

  // Drawn in proportion along the track (the thumb's travel is the track less the
  // style's handle, a few pixels), and exactly under the thumb's centre when the
  // play position reaches the mark.
  WaitFor([&] { return DrawnMarkCentres(progress).size() == 2; });
  const std::vector<double> drawn = DrawnMarkCentres(progress);
  ASSERT_EQ(drawn.size(), 2u);
  const double handle = progress->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, progress);
  for (int i = 0; i < 2; ++i) {
    const double expected =
        handle / 2 + progress->Marks()[i] / duration * (progress->width() - handle);
    EXPECT_NEAR(drawn[i], expected, 1.5) << i;
    progress->setValue(progress->Marks()[i]);
    EXPECT_NEAR(progress->ThumbRect().center().x(), drawn[i], 1.0) << "the thumb covers mark " << i;
  }

  window.OnStop();
  EXPECT_TRUE(progress->Marks().empty());
  WaitFor([&] { return DrawnMarkCentres(progress).empty(); });
  EXPECT_TRUE(DrawnMarkCentres(progress).empty());

  ASSERT_TRUE(window.OpenRecording(QString::fromStdString(plain.string())));
  EXPECT_TRUE(progress->Marks().empty());
}

}  // namespace
}  // namespace motrevix::test
