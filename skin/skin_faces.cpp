#include "skin/skin_faces.h"

#include "skin/skin_store.h"

namespace motrevix {

void LoadButtonFaces(CBitmapButton& button, const ButtonFaceNumbers& numbers) {
  ButtonFacePictures pictures;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    if (numbers[i] != 0) pictures[i] = SkinBitmap(numbers[i]);
  button.SetFaces(numbers, pictures);
}

void LoadSkinBitmaps(CSkinButton& button, const SkinButtonNumbers& numbers) {
  SkinButtonPictures pictures;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    if (numbers[i] != 0) pictures[i] = SkinBitmap(numbers[i]);
  button.SetBitmaps(numbers, pictures);
}

void LoadTrackBitmaps(CBitSlider& slider, int empty, int filled) {
  slider.SetTrackBitmaps(empty, SkinBitmap(empty), filled, SkinBitmap(filled));
}

void LoadSliderBitmaps(CBitSlider& slider, int thumb, int frameHeight, int empty, int filled) {
  slider.SetThumbBitmap(thumb, SkinBitmap(thumb), frameHeight);
  LoadTrackBitmaps(slider, empty, filled);
}

}  // namespace motrevix
