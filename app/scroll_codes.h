#pragma once
// Slider notification codes. The sliders act on page, thumb-position and
// thumb-track codes; the others do nothing.

namespace motrevix {

enum ScrollCode : int {
  kLineLeft = 0,
  kLineRight = 1,
  kPageLeft = 2,
  kPageRight = 3,
  kThumbPosition = 4,
  kThumbTrack = 5,
  kLeft = 6,
  kRight = 7,
  kEndScroll = 8,
};

// True for the codes a slider acts on: page left and right, thumb position and
// thumb track.
bool SliderActsOn(int code);

// The code a slider action of Qt's sliders stands for; -1 for actions without one.
int ScrollCodeForSliderAction(int action);

}  // namespace motrevix
