#pragma once
// Loading a set of skin bitmaps into a skinned control is one call: the numbers
// go in, the pictures come from the skin store.

#include "skin/bit_slider.h"
#include "skin/bitmap_button.h"
#include "skin/skin_button.h"

namespace motrevix {

// Normal, pressed, focused, disabled (0 = none).
void LoadButtonFaces(CBitmapButton& button, const ButtonFaceNumbers& numbers);
// Normal, down, hover, disabled, focus, mask.
void LoadSkinBitmaps(CSkinButton& button, const SkinButtonNumbers& numbers);
// The thumb (only the first time; frames of frameHeight) and the two tracks.
void LoadSliderBitmaps(CBitSlider& slider, int thumb, int frameHeight, int empty, int filled);
void LoadTrackBitmaps(CBitSlider& slider, int empty, int filled);

}  // namespace motrevix
