// The main window's skin: the background picture and the face sets of its
// bitmap buttons, two-state buttons and sliders, all from the skin store.
#include <QScreen>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/skin_face_sets.h"
#include "platform/programming_check.h"
#include "skin/bit_slider.h"
#include "skin/bitmap_button.h"
#include "skin/skin_button.h"
#include "skin/skin_faces.h"
#include "skin/skin_store.h"

namespace motrevix {

void CSamplePlayerDlg::LoadBackground() {
  if (g_bExtendedLayout == 1) {
    m_background = SkinBitmap(kBackgroundExtended);
    for (int id : {kIdHourFilter, kIdMinuteFilter, kIdSecondProgress, kIdCalendar})
      Control(id)->show();
    resize(m_background.deviceIndependentSize().toSize());
  } else {
    m_background = SkinBitmap(kBackgroundStandard);
  }
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  PlaceRearWindow();
  update();
}

void CSamplePlayerDlg::LoadFaceSet(const SkinFaceSet& set) {
  for (const ButtonFaces& faces : set.buttons) SetButtonFaces(faces.id, faces.faces);
  for (const SkinButtonBitmaps& two : set.twoState) {
    auto* button = qobject_cast<CSkinButton*>(Control(two.id));
    MOTREVIX_CHECK(button != nullptr, "the control is not a skin button");
    LoadSkinBitmaps(*button, two.bitmaps);
  }
  for (const SliderBitmaps& pictures : set.sliders) {
    auto* slider = qobject_cast<CBitSlider*>(Control(pictures.id));
    MOTREVIX_CHECK(slider != nullptr, "the control is not a bitmap slider");
    if (pictures.thumb != 0)
      LoadSliderBitmaps(*slider, pictures.thumb, pictures.frameHeight, pictures.empty,
                        pictures.filled);
    else
      LoadTrackBitmaps(*slider, pictures.empty, pictures.filled);
  }
}

void CSamplePlayerDlg::SetButtonFaces(int id, const FaceSet& faces) {
  auto* button = qobject_cast<CBitmapButton*>(Control(id));
  MOTREVIX_CHECK(button != nullptr, "the control is not a bitmap button");
  LoadButtonFaces(*button, faces);
}

}  // namespace motrevix
