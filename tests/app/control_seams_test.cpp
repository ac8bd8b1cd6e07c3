// The seams of the main window: controls found by identifier, placements applied
// as the layout rule gives them, clicks routed to the registered commands, and a
// wrong identifier caught at once.
#include <QAbstractButton>

#include "app/control_ids.h"
#include "app/control_table.h"
#include "tests/app/window_fixture.h"
#include "view/window_layout.h"

namespace motrevix::test {
namespace {

using ControlSeams = MainWindowTest;

TEST_F(ControlSeams, EveryTableControlIsNamedByItsIdentifier) {
  CSamplePlayerDlg& window = Window();
  for (const ControlEntry& entry : MainWindowControls()) {
    SCOPED_TRACE(entry.id);
    QWidget* control = window.Control(entry.id);
    EXPECT_EQ(control->objectName(), QString::number(entry.id));
    EXPECT_EQ(window.findChild<QWidget*>(QString::number(entry.id)), control);
  }
  // The object names are the dialog identifiers the screenshots and tests use.
  EXPECT_EQ(window.findChild<QWidget*>("1006"), window.Control(kIdPlay));
}

TEST_F(ControlSeams, TheWindowedLayoutIsAppliedAsPlaced) {
  CSamplePlayerDlg& window = Window();
  // At start-up the faces and tracks loaded after the layout size their controls
  // (1016 is 34 x 34, the time sliders as wide as their extended places, 680); a layout applied
  // later wins.
  EXPECT_EQ(window.Control(kIdHourFilter)->width(), 680);
  window.ApplyLayout(1);
  for (const Placement& place : ControlLayout(1, window.size())) {
    SCOPED_TRACE(place.id);
    QWidget* control = window.Control(place.id);
    if (!place.rect.isNull()) {
      EXPECT_EQ(control->geometry(), place.rect);
    }
    if (place.show != Visibility::Unchanged) {
      EXPECT_EQ(control->isVisibleTo(&window), place.show == Visibility::Shown);
    }
  }
}

TEST_F(ControlSeams, AClickReachesTheRegisteredCommand) {
  ListFiles({MakeRecording({1, false}, "a.AVI")});
  CSamplePlayerDlg& window = Window();
  window.Button(kIdPlay)->click();
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
  window.Button(kIdStop)->click();
  EXPECT_FALSE(window.Player().HasPipeline());

  // A speed cell is a button that no command handles.
  EXPECT_FALSE(window.OnCommand(kIdSpeedHundreds));
  int calls = 0;
  window.Commands().Register(kIdSpeedHundreds, [&] { ++calls; });
  window.Button(kIdSpeedHundreds)->click();
  EXPECT_EQ(calls, 1);
}

using ControlSeamsDeathTest = MainWindowTest;

TEST_F(ControlSeamsDeathTest, AnUnknownIdentifierOrKindIsCaughtAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  CSamplePlayerDlg& window = Window();
  EXPECT_DEATH(window.Control(4242), "no control of this identifier");
  EXPECT_DEATH(window.Slider(kIdPlay), "not a slider");
  EXPECT_DEATH(window.Commands().Register(kIdPlay, [] {}), "one handler");
}

}  // namespace
}  // namespace motrevix::test
