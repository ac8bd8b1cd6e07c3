// When the playback tick runs: on its timer without pictures, with the next
// picture while pictures arrive, and never later than the timer after.
#include "app/tick_pacing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace motrevix {
namespace {

// "t100" the timer fires at 100 ms, "p133" a picture arrives at 133 ms; after
// each event, whether the tick ran then.
struct Event {
  char kind;
  std::int64_t ms;
  bool runs;
};

struct Case {
  std::string name;
  std::vector<Event> events;
};

class TickPacingCases : public ::testing::TestWithParam<Case> {};

TEST_P(TickPacingCases, RunsTheTickWhenExpected) {
  TickPacing pacing;
  for (const Event& e : GetParam().events) {
    const bool ran = e.kind == 't' ? pacing.OnTimer(e.ms) : pacing.OnPicture(e.ms);
    EXPECT_EQ(ran, e.runs) << e.kind << e.ms;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TickPacingCases,
    ::testing::Values(
        Case{"NoPicturesTheTimerRuns", {{'t', 100, true}, {'t', 200, true}}},
        Case{"PicturesTheTickWaitsForTheNext",
             {{'p', 67, false},
              {'p', 100, false},
              {'t', 100, false},
              {'p', 133, true},
              {'p', 167, false},
              {'t', 200, false},
              {'p', 200, true}}},
        // A picture that does not come by the next timer: the waiting tick runs
        // then, and the one after runs on its own once pictures have stopped.
        Case{"PicturesStopTheTimerTakesOver",
             {{'p', 95, false}, {'t', 100, false}, {'t', 200, true}, {'t', 300, true}}},
        Case{"AnOldPictureDoesNotHoldTheTick",
             {{'p', 10, false}, {'t', 111, true}, {'p', 150, false}, {'t', 211, false}}},
        Case{"APictureWithoutAWaitingTickRunsNothing", {{'p', 33, false}, {'p', 67, false}}}),
    [](const auto& info) { return info.param.name; });

TEST(TickPacing, ResetForgetsTheWaitingTickAndThePictures) {
  TickPacing pacing;
  pacing.OnPicture(90);
  ASSERT_FALSE(pacing.OnTimer(100));
  pacing.Reset();
  EXPECT_FALSE(pacing.TickWaiting());
  EXPECT_FALSE(pacing.OnPicture(110));
  pacing.Reset();
  EXPECT_TRUE(pacing.OnTimer(120));
}

}  // namespace
}  // namespace motrevix
