#include "view/window_layout.h"

#include <algorithm>

#include "app/control_ids.h"
#include "view/pane_rects.h"

namespace motrevix {
namespace {

Placements WindowedLayout() {
  return {
      {kIdConfiguration, QRect(29, 642, 32, 32), Visibility::Shown},
      {kIdCapture, QRect(66, 642, 32, 32), Visibility::Shown},
      {kIdPrint, QRect(103, 642, 32, 32), Visibility::Shown},
      {kIdFolderOpen, QRect(140, 642, 32, 32), Visibility::Shown},
      {kIdSelectDrive, QRect(177, 642, 32, 32), Visibility::Shown},
      {kIdPrevious, QRect(229, 642, 32, 32), Visibility::Shown},
      {kIdSecondBack, QRect(264, 642, 32, 32), Visibility::Shown},
      {kIdPlay, QRect(299, 635, 45, 45), Visibility::Shown},
      {kIdSecondNext, QRect(350, 642, 32, 32), Visibility::Shown},
      {kIdNext, QRect(385, 642, 32, 32), Visibility::Shown},
      {kIdFrameStep, QRect(420, 642, 32, 32), Visibility::Shown},
      {kIdMagnifier, QRect(471, 642, 32, 32), Visibility::Shown},
      {kIdFlipVertical, QRect(508, 642, 32, 32), Visibility::Shown},
      {kIdMirror, QRect(545, 642, 32, 32), Visibility::Shown},
      {kIdCameraFront, QRect(585, 642, 64, 34), Visibility::Hidden},
      {kIdCameraRear, QRect(652, 642, 64, 34), Visibility::Hidden},
      {kIdCameraMap, QRect(719, 642, 64, 34), Visibility::Hidden},
      {kIdGSensorWindow, QRect(60, 537, 25, 25), Visibility::Hidden},
      {kIdRepair, QRect(180, 537, 25, 25), Visibility::Hidden},
      {kIdInformation, QRect(21, 692, 40, 16), Visibility::Shown},
      {kIdFormatCard, QRect(175, 692, 40, 16), Visibility::Shown},
      {kIdListReview, QRect(950, 610, 35, 25), Visibility::Hidden},
      {kIdExtendedLayout, QRect(490, 570, 60, 12), Visibility::Hidden},
      {kIdMinimize, QRect(1003, 10, 19, 19), Visibility::Shown},
      {kIdFullScreen, QRect(1022, 10, 19, 19), Visibility::Shown},
      {kIdExit, QRect(1041, 10, 19, 19), Visibility::Shown},
      {kIdOriginalScreen, QRect(), Visibility::Hidden},
      {kIdThumbnailPage, QRect(840, 537, 25, 25), Visibility::Hidden},
      {kIdFrameStrip, QRect(880, 537, 25, 25), Visibility::Hidden},
      {kIdPagePrevious, QRect(8, 250, 10, 60), Visibility::Hidden},
      {kIdPageNext, QRect(657, 250, 10, 60), Visibility::Hidden},
      {kIdFileList, QRect(789, 75, 262, 297), Visibility::Shown},
      {kIdSpeedHundreds, QRect(922, 639, 26, 37), Visibility::Unchanged},
      {kIdSpeedTens, QRect(948, 639, 26, 37), Visibility::Unchanged},
      {kIdSpeedOnes, QRect(974, 639, 26, 37), Visibility::Unchanged},
      {kIdSpeedUnit, QRect(1007, 654, 39, 21), Visibility::Shown},
      {kIdRearCheck, QRect(742, 237, 124, 22), Visibility::Hidden},
      {kIdMapCheck, QRect(867, 237, 124, 22), Visibility::Hidden},
      {kIdCategoryAll, QRect(789, 44, 52, 31), Visibility::Shown},
      {kIdCategoryNormal, QRect(845, 44, 52, 31), Visibility::Shown},
      {kIdCategoryEvent, QRect(901, 44, 52, 31), Visibility::Shown},
      {kIdCategoryParking, QRect(957, 44, 52, 31), Visibility::Shown},
      {kIdCategoryMotion, QRect(831, 65, 82, 23), Visibility::Hidden},
      {kIdCategoryManual, QRect(911, 65, 82, 23), Visibility::Hidden},
      {kIdStop, QRect(320, 525, 40, 40), Visibility::Hidden},
      {kIdProgress, QRect(43, 486, 727, 17), Visibility::Unchanged},
      {kIdHourFilter, QRect(189, 602, 737, 20), Visibility::Hidden},
      {kIdMinuteFilter, QRect(189, 637, 737, 20), Visibility::Hidden},
      {kIdSecondProgress, QRect(189, 675, 737, 20), Visibility::Hidden},
      {kIdRate, kWindowedRateSliderRect, Visibility::Shown},
      {kIdVolume, QRect(820, 636, 90, 20), Visibility::Shown},
      {kIdBrightness, QRect(820, 659, 90, 20), Visibility::Shown},
      {kIdPositionTime, QRect(49, 503, 50, 12), Visibility::Unchanged},
      {kIdDurationTime, QRect(714, 503, 50, 12), Visibility::Unchanged},
      {kIdRateIcon, QRect(188, 500, 15, 16), Visibility::Unchanged},
      {kIdMute, QRect(796, 636, 24, 20), Visibility::Shown},
      {kIdBrightnessReset, QRect(796, 659, 24, 20), Visibility::Shown},
      {kIdFileName, QRect(), Visibility::Hidden},
      {kIdSwapPanes, QRect(), Visibility::Hidden},
      {kIdMapViewToggle, QRect(), Visibility::Hidden},
      {kIdCalendar, QRect(), Visibility::Hidden},
      // The full-screen bar's background belongs to the full-screen layout only.
      {kIdFullProgressBack, QRect(), Visibility::Hidden},
  };
}

// The extended background keeps the video, progress and graph panels of the
// standard one; below them the control strip moves up and the three time
// sliders take the bottom row. The right column, 211 wide, holds the tabs, a
// shorter list, the calendar, the inset and then the speed, sound and
// brightness with the INFO and FORMAT buttons.
Placements ExtendedLayout() {
  constexpr int strip = 617;  // the control strip's buttons, 25 above the standard row
  const Placement moved[] = {
      {kIdConfiguration, QRect(29, strip, 32, 32), Visibility::Shown},
      {kIdCapture, QRect(66, strip, 32, 32), Visibility::Shown},
      {kIdPrint, QRect(103, strip, 32, 32), Visibility::Shown},
      {kIdFolderOpen, QRect(140, strip, 32, 32), Visibility::Shown},
      {kIdSelectDrive, QRect(177, strip, 32, 32), Visibility::Shown},
      {kIdPrevious, QRect(229, strip, 32, 32), Visibility::Shown},
      {kIdSecondBack, QRect(264, strip, 32, 32), Visibility::Shown},
      {kIdPlay, QRect(299, strip - 7, 45, 45), Visibility::Shown},
      {kIdSecondNext, QRect(350, strip, 32, 32), Visibility::Shown},
      {kIdNext, QRect(385, strip, 32, 32), Visibility::Shown},
      {kIdFrameStep, QRect(420, strip, 32, 32), Visibility::Shown},
      {kIdMagnifier, QRect(471, strip, 32, 32), Visibility::Shown},
      {kIdFlipVertical, QRect(508, strip, 32, 32), Visibility::Shown},
      {kIdMirror, QRect(545, strip, 32, 32), Visibility::Shown},
      {kIdCameraFront, QRect(585, strip, 64, 34), Visibility::Hidden},
      {kIdCameraRear, QRect(652, strip, 64, 34), Visibility::Hidden},
      {kIdCameraMap, QRect(719, strip, 64, 34), Visibility::Hidden},
      {kIdInformation, QRect(952, 666, 40, 16), Visibility::Shown},
      {kIdFormatCard, QRect(952, 694, 40, 16), Visibility::Shown},
      {kIdListReview, QRect(950, 610, 35, 25), Visibility::Hidden},
      {kIdMinimize, QRect(934, 10, 19, 19), Visibility::Shown},
      {kIdFullScreen, QRect(953, 10, 19, 19), Visibility::Shown},
      {kIdExit, QRect(972, 10, 19, 19), Visibility::Shown},
      {kIdFileList, QRect(790, 75, 211, 170), Visibility::Shown},
      {kIdSpeedHundreds, QRect(800, 612, 26, 37), Visibility::Unchanged},
      {kIdSpeedTens, QRect(826, 612, 26, 37), Visibility::Unchanged},
      {kIdSpeedOnes, QRect(852, 612, 26, 37), Visibility::Unchanged},
      {kIdSpeedUnit, QRect(884, 628, 39, 21), Visibility::Shown},
      {kIdCategoryAll, QRect(790, 44, 52, 31), Visibility::Shown},
      {kIdCategoryNormal, QRect(843, 44, 52, 31), Visibility::Shown},
      {kIdCategoryEvent, QRect(896, 44, 52, 31), Visibility::Shown},
      {kIdCategoryParking, QRect(949, 44, 52, 31), Visibility::Shown},
      {kIdHourFilter, QRect(96, 666, 680, 20), Visibility::Shown},
      {kIdMinuteFilter, QRect(96, 686, 680, 20), Visibility::Shown},
      {kIdSecondProgress, QRect(96, 706, 680, 20), Visibility::Shown},
      {kIdVolume, QRect(820, 664, 90, 20), Visibility::Shown},
      {kIdBrightness, QRect(820, 692, 90, 20), Visibility::Shown},
      {kIdMute, QRect(796, 664, 24, 20), Visibility::Shown},
      {kIdBrightnessReset, QRect(796, 692, 24, 20), Visibility::Shown},
      {kIdCalendar, QRect(790, 251, 211, 190), Visibility::Shown},
  };
  Placements layout = WindowedLayout();
  for (const Placement& place : moved)
    *std::find_if(layout.begin(), layout.end(),
                  [&](const Placement& p) { return p.id == place.id; }) = place;
  return layout;
}

// The full-screen layout hangs from the right and bottom edges of the client
// area; the pane layout then places the pictures and the control bar.
Placements FullScreenLayout(QSize client) {
  const int w = client.width();
  const int h = client.height();
  const int y = h - 43;
  Placements layout = {
      {kIdExtendedLayout, QRect(), Visibility::Hidden},
      {kIdMinimize, QRect(w - 55, 3, 17, 16), Visibility::Unchanged},
      {kIdOriginalScreen, QRect(w - 36, 3, 17, 16), Visibility::Unchanged},
      {kIdExit, QRect(w - 17, 3, 17, 16), Visibility::Unchanged},
      {kIdSwapPanes, QRect(w - 212, 3, 120, 25), Visibility::Unchanged},
      {kIdFrameStep, QRect(w - 37, y, 32, 32), Visibility::Unchanged},
      {kIdSecondNext, QRect(w - 69, y, 32, 32), Visibility::Unchanged},
      {kIdSecondBack, QRect(w - 101, y, 32, 32), Visibility::Unchanged},
      {kIdNext, QRect(w - 133, y, 32, 32), Visibility::Unchanged},
      {kIdPlay, QRect(w - 178, y, 45, 45), Visibility::Unchanged},
      {kIdFlipVertical, QRect(w - 244, y, 34, 34), Visibility::Unchanged},
      {kIdMirror, QRect(w - 278, y, 34, 34), Visibility::Unchanged},
      {kIdVolume, QRect(w - 103, h - 68, 90, 20), Visibility::Unchanged},
      {kIdMute, QRect(w - 127, h - 68, 24, 20), Visibility::Unchanged},
      {kIdBrightness, QRect(w - 217, h - 68, 90, 20), Visibility::Unchanged},
      {kIdBrightnessReset, QRect(w - 238, h - 68, 24, 20), Visibility::Unchanged},
      {kIdRateIcon, QRect(w - 273, h - 76, 20, 19), Visibility::Unchanged},
      {kIdRate, QRect(w - 457, h - 81, 179, 20), Visibility::Unchanged},
      {kIdFileName, QRect(), Visibility::Hidden},
      {kIdPositionTime, QRect(w / 2 - 363, h - 25, 60, 12), Visibility::Unchanged},
      {kIdDurationTime, QRect(w / 2 + 303, h - 25, 60, 12), Visibility::Unchanged},
      {kIdFileList, QRect(), Visibility::Hidden},
      {kIdOriginalScreen, QRect(), Visibility::Shown},
  };
  // The rate slider's place lies under the picture (and under the rear window
  // when that fills the screen), so it is hidden rather than left covered.
  for (int id : {kIdConfiguration,
                 kIdCapture,
                 kIdGSensorWindow,
                 kIdMagnifier,
                 kIdInformation,
                 kIdFormatCard,
                 kIdRearCheck,
                 kIdMapCheck,
                 kIdMapViewToggle,
                 kIdHourFilter,
                 kIdMinuteFilter,
                 kIdSecondProgress,
                 kIdCalendar,
                 kIdCategoryNormal,
                 kIdCategoryEvent,
                 kIdCategoryMotion,
                 kIdCategoryManual,
                 kIdCategoryAll,
                 kIdCategoryParking,
                 kIdFrameStrip,
                 kIdThumbnailPage,
                 kIdPagePrevious,
                 kIdPageNext,
                 kIdSpeedUnit,
                 kIdSelectDrive,
                 kIdPrint,
                 kIdCameraFront,
                 kIdCameraRear,
                 kIdCameraMap,
                 kIdBrightnessReset,
                 kIdBrightness,
                 kIdMute,
                 kIdVolume,
                 kIdFullProgressBack,
                 kIdRate})
    layout.push_back({id, QRect(), Visibility::Hidden});
  return layout;
}

}  // namespace

Placements ControlLayout(int screenMode, QSize clientSize, bool extended) {
  if (screenMode == 2) return FullScreenLayout(clientSize);
  return extended ? ExtendedLayout() : WindowedLayout();
}

}  // namespace motrevix
