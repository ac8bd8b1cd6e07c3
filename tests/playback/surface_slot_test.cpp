// Surfaces that come and go while a recording plays: a destroyed surface is never
// drawn into again, and Attach moves a playing channel to a new surface.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "playback/headless_video_surface.h"
#include "playback/playback_controller.h"
#include "tests/playback/recordings.h"

namespace motrevix::test {
namespace {

bool WaitFor(const std::function<bool()>& condition, int ms = 3000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return condition();
}

class SurfaceSlots : public ::testing::Test {
 protected:
  void SetUp() override { UseScratchSettings(); }
  std::filesystem::path TwoChannels() { return Recording({"AVI", 2, "h264", "none", 2, false}); }
};

// A surface smaller than the picture gets it at its own size (nothing to scale when
// painting); a larger one gets the picture's size. A grab is always at the
// picture's size, with its frame mark, and a paused picture follows the surface
// when it is resized.
TEST_F(SurfaceSlots, PicturesComeAtTheSurfacesSizeWhenSmallerAndGrabsAtTheirOwn) {
  const QSize own(160, 120);
  HeadlessVideoSurface front(QSize(96, 72));
  HeadlessVideoSurface rear(QSize(400, 300));
  CPlaybackController controller;
  controller.SourceReadMode = 0;
  controller.Attach(&front, &rear);
  ASSERT_TRUE(controller.Open(TwoChannels().string()));
  const auto sizeOf = [](const HeadlessVideoSurface& s) {
    const auto picture = s.Picture();
    return picture ? picture->size() : QSize();
  };
  EXPECT_EQ(sizeOf(front), QSize(96, 72));
  EXPECT_EQ(sizeOf(rear), own);
  const struct {
    const char* step;
    QSize frontClient;
    QSize shown;
  } steps[] = {
      {"paused, the surface grows past the picture", QSize(320, 240), own},
      {"paused, it shrinks again", QSize(100, 50), QSize(100, 50)},
      {"the picture's own size", own, own},
      {"narrower only is not smaller in both", QSize(150, 200), own},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    front.SetClientSize(s.frontClient);
    EXPECT_TRUE(WaitFor([&] { return sizeOf(front) == s.shown; })) << sizeOf(front).width();
    QImage grabbed;
    ASSERT_TRUE(controller.GrabPicture(kGrabFront, grabbed));
    EXPECT_EQ(grabbed.size(), own);
    const auto mark = MarkOf(grabbed);
    ASSERT_TRUE(mark.has_value());
    EXPECT_EQ(*mark, (pattern::FrameMark{0, pattern::Channel::Front}));
  }
  front.SetClientSize(QSize(80, 60));
  controller.Graph()->Run();
  // Pictures converted before the resize still come at the old size; then the new.
  const long long before = front.PresentedCount();
  EXPECT_TRUE(WaitFor(
      [&] { return front.PresentedCount() > before + 10 && sizeOf(front) == QSize(80, 60); }));
  controller.Graph()->Pause();
  QImage grabbed;
  ASSERT_TRUE(controller.GrabPicture(kGrabFront, grabbed));
  EXPECT_EQ(grabbed.size(), own);
  const auto mark = MarkOf(grabbed);
  ASSERT_TRUE(mark.has_value());
  EXPECT_GT(mark->frameNumber, 0);
  controller.Close();
}

TEST_F(SurfaceSlots, DestroyingBothSurfacesWhilePlayingStopsDrawingIntoThem) {
  auto front = std::make_unique<HeadlessVideoSurface>(QSize(320, 180));
  auto rear = std::make_unique<HeadlessVideoSurface>(QSize(160, 90));
  CPlaybackController controller;
  controller.SourceReadMode = 0;
  controller.Attach(front.get(), rear.get());
  ASSERT_TRUE(controller.Open(TwoChannels().string()));
  ASSERT_EQ(controller.GetChannelCount(), 2);
  controller.Graph()->Run();
  ASSERT_TRUE(WaitFor([&] { return rear->PresentedCount() > 3; }));

  // The renderers keep presenting on their threads while the surfaces go.
  rear.reset();
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  front.reset();
  std::this_thread::sleep_for(std::chrono::milliseconds(150));

  // The pipeline still runs and answers; the grab still has the shown pictures.
  EXPECT_EQ(controller.GetState(), PlayState::Running);
  QImage picture;
  EXPECT_TRUE(controller.GrabPicture(0, picture));
  EXPECT_TRUE(controller.GrabPicture(1, picture));
  controller.Graph()->UpdateVideoRects();
  controller.Graph()->Repaint();
  controller.Close();
  // Without a front surface nothing can be opened.
  EXPECT_FALSE(controller.Open(TwoChannels().string()));
}

TEST_F(SurfaceSlots, AttachDuringPlaybackMovesThePicturesToTheNewSurfaces) {
  HeadlessVideoSurface front(QSize(320, 180));
  auto rear = std::make_unique<HeadlessVideoSurface>(QSize(160, 90));
  CPlaybackController controller;
  controller.SourceReadMode = 0;
  controller.Attach(&front, rear.get());
  ASSERT_TRUE(controller.Open(TwoChannels().string()));
  controller.Graph()->Run();
  ASSERT_TRUE(WaitFor([&] { return rear->PresentedCount() > 3; }));

  HeadlessVideoSurface newRear(QSize(400, 300));
  controller.Attach(&front, &newRear);
  // The new surface is shown the current picture at once, then the stream.
  ASSERT_TRUE(WaitFor([&] { return newRear.PresentedCount() > 3; }));
  const long long oldCount = rear->PresentedCount();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(rear->PresentedCount(), oldCount);
  EXPECT_EQ(newRear.Destination(), QRect(0, 0, 400, 300));
  const auto mark = MarkOf(*newRear.Picture());
  ASSERT_TRUE(mark.has_value());
  EXPECT_EQ(mark->channel, pattern::Channel::Rear);
  EXPECT_GT(front.PresentedCount(), 3);

  // The old surface can go now without the pipeline noticing.
  rear.reset();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(controller.GetState(), PlayState::Running);
  controller.Close();
}

}  // namespace
}  // namespace motrevix::test
