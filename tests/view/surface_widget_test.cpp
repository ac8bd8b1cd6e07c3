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

}  // namespace
}  // namespace motrevix::test
