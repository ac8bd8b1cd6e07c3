// Video surface widgets that go away or are replaced while a recording plays.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <memory>

#include "playback/playback_controller.h"
#include "tests/playback/recordings.h"
#include "tests/support/process_events.h"
#include "view/video_surface_widget.h"

namespace motrevix::test {
namespace {

class SurfaceWidgets : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScratchSettings();
    controller_.SourceReadMode = 0;
  }
  void Open(CVideoSurfaceWidget* front, CVideoSurfaceWidget* rear) {
    controller_.Attach(front, rear);
    ASSERT_TRUE(controller_.Open(Recording({"AVI", 2, "h264", "none", 2, false}).string()));
    ASSERT_EQ(controller_.GetChannelCount(), 2);
    controller_.Graph()->Run();
  }
  QWidget window_;
  CPlaybackController controller_;
};

TEST_F(SurfaceWidgets, ASurfaceDestroyedWhilePlayingIsNotDrawnInto) {
  auto* front = new CVideoSurfaceWidget("Video window1", &window_);
  auto* rear = new CVideoSurfaceWidget("Video window2", nullptr);
  front->resize(320, 180);
  rear->resize(160, 90);
  Open(front, rear);
  ASSERT_TRUE(WaitFor([&] { return rear->PresentedCount() > 3 && front->PresentedCount() > 3; }));
  delete rear;  // its window closed
  WaitFor([] { return false; }, 200);
  delete front;
  WaitFor([] { return false; }, 200);
  EXPECT_EQ(controller_.GetState(), PlayState::Running);
  controller_.Close();
}

TEST_F(SurfaceWidgets, TheRearReattachedToANewWidgetShowsTheRearPictures) {
  auto* front = new CVideoSurfaceWidget("Video window1", &window_);
  auto rear = std::make_unique<CVideoSurfaceWidget>("Video window2", nullptr);
  front->resize(320, 180);
  rear->resize(160, 90);
  Open(front, rear.get());
  ASSERT_TRUE(WaitFor([&] { return rear->PresentedCount() > 3; }));

  CVideoSurfaceWidget moved("Video window2", nullptr);
  moved.resize(480, 270);
  moved.show();
  ASSERT_TRUE(WaitFor([&] { return moved.ClientSize() == QSize(480, 270); }));
  controller_.Attach(front, &moved);
  rear.reset();
  ASSERT_TRUE(WaitFor([&] { return moved.PresentedCount() > 3; }));
  const auto picture = moved.Picture();
  ASSERT_TRUE(picture);
  const auto mark = MarkOf(*picture);
  ASSERT_TRUE(mark.has_value());
  EXPECT_EQ(mark->channel, pattern::Channel::Rear);
  EXPECT_GT(front->PresentedCount(), 3);
  controller_.Close();
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(SurfaceWidgetRepaints, OnlyANewPictureIsPaintedAgain) {
  CVideoSurfaceWidget surface("Video window1", nullptr);
  surface.resize(64, 36);
  surface.show();
  PaintCounter counter;
  surface.installEventFilter(&counter);
  int arrived = 0;
  QObject::connect(&surface, &CVideoSurfaceWidget::PictureArrived, [&] { ++arrived; });
  ASSERT_TRUE(WaitFor([&] { return surface.isVisible(); }));
  WaitFor([] { return false; }, 100);
  counter.paints = 0;

  QImage red(64, 36, QImage::Format_RGB32);
  red.fill(Qt::red);
  surface.PresentPicture(std::make_shared<const QImage>(red), 0);
  surface.RequestRepaint();  // asked again before the picture is painted
  ASSERT_TRUE(WaitFor([&] { return counter.paints > 0; }));
  WaitFor([] { return false; }, 100);
  EXPECT_EQ(counter.paints, 1);
  EXPECT_EQ(arrived, 1);
  EXPECT_EQ(surface.grab().toImage().pixelColor(10, 10), QColor(Qt::red));
  counter.paints = 0;  // grab() paints as well

  // Asked to repaint with nothing newer (the main window asks on each paint of
  // its own) or placed at the same rectangle again: the painted picture stands.
  surface.SetVideoPosition(QRect(0, 0, 64, 36), false);
  ASSERT_TRUE(WaitFor([&] { return counter.paints == 1; }));
  surface.RequestRepaint();
  surface.SetVideoPosition(QRect(0, 0, 64, 36), false);
  WaitFor([] { return false; }, 150);
  EXPECT_EQ(counter.paints, 1);
  EXPECT_EQ(arrived, 1);

  // A picture taken away paints the surface black.
  surface.PresentPicture(nullptr, 0);
  ASSERT_TRUE(WaitFor([&] { return arrived == 2; }));
  EXPECT_EQ(surface.grab().toImage().pixelColor(10, 10), QColor(Qt::black));
}

}  // namespace
}  // namespace motrevix::test
