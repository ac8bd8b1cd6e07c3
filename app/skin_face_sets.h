#pragma once
// The skin bitmaps of the main window's controls, in sets that are loaded in
// one call (CSamplePlayerDlg::LoadFaceSet): everything at start-up, the faces
// that change for full screen, and those that change back for the windowed
// layout.

#include <array>
#include <span>

#include "view/pane_state.h"

namespace motrevix {

// A two-state button's six bitmaps: normal, down, hover, disabled, focus, mask.
struct SkinButtonBitmaps {
  int id;
  std::array<int, 6> bitmaps;
};

// A slider's pictures: the thumb (0: keep the one it has) with its frame
// height, and the empty and filled tracks.
struct SliderBitmaps {
  int id;
  int thumb;
  int frameHeight;
  int empty;
  int filled;
};

struct SkinFaceSet {
  std::span<const ButtonFaces> buttons;
  std::span<const SkinButtonBitmaps> twoState;
  std::span<const SliderBitmaps> sliders;
};

SkinFaceSet StartupFaceSet();
SkinFaceSet FullScreenFaceSet();
SkinFaceSet WindowedFaceSet();

// The play button's face: play or pause, windowed or full screen.
int PlayButtonFace(bool showsPause, int screenMode);

// The main window's backgrounds and the thumbnail page's backdrop.
inline constexpr int kBackgroundStandard = 230;
inline constexpr int kBackgroundExtended = 303;
inline constexpr int kThumbnailBackdrop = 319;
// The speed read-out's digit strip and the G-sensor window's background.
inline constexpr int kSpeedDigitStrip = 362;
inline constexpr int kGSensorBackground = 220;

}  // namespace motrevix
