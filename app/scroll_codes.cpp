#include "app/scroll_codes.h"

#include <QAbstractSlider>

namespace motrevix {

int ScrollCodeForSliderAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderPageStepSub:
      return kPageLeft;
    case QAbstractSlider::SliderPageStepAdd:
      return kPageRight;
    case QAbstractSlider::SliderMove:
      return kThumbTrack;
    case QAbstractSlider::SliderSingleStepSub:
      return kLineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
      return kLineRight;
    case QAbstractSlider::SliderToMinimum:
      return kLeft;
    case QAbstractSlider::SliderToMaximum:
      return kRight;
    default:
      return -1;
  }
}

bool SliderActsOn(int code) {
  return code == kPageLeft || code == kPageRight || code == kThumbPosition || code == kThumbTrack;
}

}  // namespace motrevix
