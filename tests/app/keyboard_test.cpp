// The main window's keys: each key leaves the window as a click on its button
// (or on its slider's track) does, starting from the same state; a key sent to
// a focused button reaches its command once and never the focused button.
#include <QAbstractButton>
#include <QSlider>
#include <QTest>
#include <functional>
#include <sstream>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "catalog/file_list_widget.h"
#include "playback/sound_volume.h"
#include "tests/app/window_fixture.h"
#include "tests/support/process_events.h"
#include "view/view_globals.h"

namespace motrevix::test {
namespace {

// What a key or a click may change, as text so that a difference reads plainly.
std::string StateOf(CSamplePlayerDlg& window, const RecordingPrompt& prompt) {
  std::ostringstream out;
  const PlayState state = window.Player().GetState();
  out << "state " << static_cast<int>(state);
  // A running recording's position moves on by itself.
  if (state != PlayState::Running) out << ", position " << window.Player().GetPositionMs();
  out << ", row " << window.m_nCurrentItem << ", playing row " << window.FileList()->PlayingRow()
      << ", play tip '" << window.Button(kIdPlay)->toolTip().toStdString() << "'"
      << ", mute " << window.Button(kIdMute)->isChecked() << ", volume "
      << window.Slider(kIdVolume)->value() << ", wave-out " << GetWaveOutVolume()
      << ", screen mode " << window.m_nScreenMode << ", stretch " << g_bFullScreenStretch
      << ", size " << window.width() << "x" << window.height() << ", visible " << window.isVisible()
      << ", questions " << prompt.questions.size();
  return out.str();
}

enum class Start { kPaused, kPausedFullScreen };

void ClickButton(CSamplePlayerDlg& window, int id) {
  QTest::mouseClick(window.Button(id), Qt::LeftButton);
}

// A click on the volume slider's track, right or left of its thumb.
void ClickVolumeTrack(CSamplePlayerDlg& window, bool right) {
  QSlider* volume = window.Slider(kIdVolume);
  const QPoint at(right ? volume->width() - 2 : 2, volume->height() / 2);
  QTest::mouseClick(volume, Qt::LeftButton, {}, at);
}

class Keyboard : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    for (const char* name :
         {"N_2024_05_17_08_31_05.AVI", "N_2024_05_17_08_32_05.AVI", "N_2024_05_17_08_33_05.AVI"})
      files_.push_back(MakeRecording({2, true, 3}, name));
  }

  // A new window playing the middle row, paused 1.5 s in, windowed or full screen.
  CSamplePlayerDlg& Arrange(Start start) {
    StartOver();
    prompt_ = RecordingPrompt();
    ListFiles(files_);
    CSamplePlayerDlg& window = Window();
    window.show();
    window.OpenRowAndPlay(1);
    window.OnPlayPause();
    window.Player().SeekMs(1500);
    window.PlaybackTick();
    if (start == Start::kPausedFullScreen) {
      ClickButton(window, kIdFullScreen);
      EXPECT_TRUE(WaitFor([&] { return window.size() == QSize(1366, 768); }));
    }
    EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
    // The seek's pictures are decoded before a key or click steps on from them.
    SettledState();
    return window;
  }

  // The state once the window has settled after a key or a click (a frame step
  // decodes on the streaming thread, a new size comes from the window system):
  // the same state over 300 ms running, within 5 s.
  std::string SettledState() {
    std::string state = StateOf(*window_, prompt_);
    for (int round = 0; round < 16; ++round) {
      WaitFor([] { return false; }, 300);
      const std::string now = StateOf(*window_, prompt_);
      if (now == state) break;
      state = now;
    }
    return state;
  }

  std::vector<std::filesystem::path> files_;
};

TEST_F(Keyboard, EachKeyLeavesTheWindowAsItsButtonDoes) {
  using Click = std::function<void(CSamplePlayerDlg&)>;
  const auto button = [](int id) -> Click {
    return [id](CSamplePlayerDlg& window) { ClickButton(window, id); };
  };
  const struct {
    const char* name;
    Start start;
    int key;
    Qt::KeyboardModifiers modifiers;
    // The control that has the keyboard focus and receives the key.
    int focused;
    Click click;
  } cases[] = {
      {"Space on the focused Play", Start::kPaused, Qt::Key_Space, {}, kIdPlay, button(kIdPlay)},
      {"Space on the focused Mute", Start::kPaused, Qt::Key_Space, {}, kIdMute, button(kIdPlay)},
      {"Left", Start::kPaused, Qt::Key_Left, {}, kIdPlay, button(kIdSecondBack)},
      {"Right", Start::kPaused, Qt::Key_Right, {}, kIdPlay, button(kIdSecondNext)},
      {"period", Start::kPaused, Qt::Key_Period, {}, kIdPlay, button(kIdFrameStep)},
      {"Page Up", Start::kPaused, Qt::Key_PageUp, {}, kIdPlay, button(kIdPrevious)},
      {"Page Down", Start::kPaused, Qt::Key_PageDown, {}, kIdPlay, button(kIdNext)},
      {"M", Start::kPaused, Qt::Key_M, {}, kIdPlay, button(kIdMute)},
      {"plus", Start::kPaused, Qt::Key_Plus, Qt::ShiftModifier, kIdPlay,
       [](CSamplePlayerDlg& window) { ClickVolumeTrack(window, true); }},
      {"minus",
       Start::kPaused,
       Qt::Key_Minus,
       {},
       kIdMute,
       [](CSamplePlayerDlg& window) { ClickVolumeTrack(window, false); }},
      {"F11 windowed", Start::kPaused, Qt::Key_F11, {}, kIdPlay, button(kIdFullScreen)},
      {"F11 in full screen",
       Start::kPausedFullScreen,
       Qt::Key_F11,
       {},
       kIdPlay,
       button(kIdOriginalScreen)},
      {"Escape in full screen",
       Start::kPausedFullScreen,
       Qt::Key_Escape,
       {},
       kIdPlay,
       button(kIdOriginalScreen)},
      // Windowed, Escape does nothing at all: no question, the window stays.
      {"Escape windowed", Start::kPaused, Qt::Key_Escape, {}, kIdPlay, [](CSamplePlayerDlg&) {}},
      // A key with Ctrl is not the window's.
      {"Ctrl+M", Start::kPaused, Qt::Key_M, Qt::ControlModifier, kIdPlay, [](CSamplePlayerDlg&) {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string before;
    {
      CSamplePlayerDlg& window = Arrange(c.start);
      before = StateOf(window, prompt_);
      window.Button(c.focused)->setFocus();
      QTest::keyClick(window.Button(c.focused), static_cast<Qt::Key>(c.key), c.modifiers);
    }
    const std::string afterKey = SettledState();
    {
      CSamplePlayerDlg& window = Arrange(c.start);
      EXPECT_EQ(StateOf(window, prompt_), before) << "both runs start alike";
      c.click(window);
    }
    const std::string afterClick = SettledState();
    EXPECT_EQ(afterKey, afterClick);
  }
}

}  // namespace
}  // namespace motrevix::test
