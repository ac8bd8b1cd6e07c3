#include "app/control_table.h"

#include "app/control_ids.h"
#include "view/window_layout.h"

namespace motrevix {
namespace {

const ControlEntry kControls[] = {
    {kIdMinimize, SkinPushButton, "-"},
    {kIdExit, SkinPushButton, "Exit"},
    {kIdPrevious, SkinPushButton, "PRE"},
    {kIdPlay, SkinPushButton, "PLAY"},
    {kIdStop, SkinPushButton, "STOP"},
    {kIdNext, SkinPushButton, "NEXT"},
    {kIdSecondBack, SkinPushButton, "<- SEC"},
    {kIdSecondNext, SkinPushButton, "-> SEC"},
    {kIdFrameStep, SkinPushButton, "FPS"},
    {kIdSelectDrive, SkinPushButton, "OPEN"},
    {kIdConfiguration, SkinPushButton, "Config"},
    {kIdCapture, SkinPushButton, "Capture"},
    {kIdFullScreen, SkinPushButton, "Full"},
    {kIdOriginalScreen, SkinPushButton, "Original"},
    {kIdSwapPanes, SkinPushButton, "Swap"},
    {kIdGSensorWindow, SkinPushButton, ""},
    {kIdMapViewToggle, SkinPushButton, "Map View"},
    {kIdMagnifier, SkinPushButton, "Zoom"},
    {kIdListReview, SkinPushButton, "List"},
    {kIdRepair, SkinPushButton, ""},
    {kIdCategoryEvent, SkinPushButton, "Event"},
    {kIdCategoryMotion, SkinPushButton, "Motion"},
    {kIdCategoryNormal, SkinPushButton, "Normal"},
    {kIdCategoryManual, SkinPushButton, "Manual"},
    {kIdExtendedLayout, SkinPushButton, ""},
    {kIdThumbnailPage, SkinPushButton, "<"},
    {kIdFrameStrip, SkinPushButton, ">"},
    {kIdPageNext, SkinPushButton, ">"},
    {kIdPagePrevious, SkinPushButton, "<"},
    {kIdCategoryAll, SkinPushButton, "ALL"},
    {kIdCategoryParking, SkinPushButton, "Parking"},
    {kIdInformation, SkinPushButton, "information"},
    {kIdFolderOpen, SkinPushButton, "Folder"},
    {kIdPrint, SkinPushButton, "Print"},
    {kIdSpeedHundreds, SkinPushButton, "N100"},
    {kIdSpeedTens, SkinPushButton, "N10"},
    {kIdSpeedOnes, SkinPushButton, "N1"},
    {kIdSpeedUnit, SkinPushButton, "km/h"},
    {kIdCameraFront, SkinPushButton, "CH1"},
    {kIdCameraRear, SkinPushButton, "CH2"},
    {kIdCameraMap, SkinPushButton, "map"},
    {kIdBrightnessReset, SkinPushButton, "bright"},
    {kIdFullProgressBack, SkinPushButton, "full progress back"},
    {kIdFormatCard, SkinPushButton, "FAT32Format"},
    {kIdMute, SkinToggleButton, "Mute"},
    {kIdMapCheck, SkinToggleButton, "Map View"},
    {kIdRearCheck, SkinToggleButton, "Rear View"},
    {kIdFlipVertical, SkinToggleButton, "V"},
    {kIdMirror, SkinToggleButton, "H"},
    {kIdProgress, SkinSlider, ""},
    {kIdRate, SkinSlider, ""},
    {kIdVolume, SkinSlider, ""},
    {kIdHourFilter, SkinSlider, ""},
    {kIdSecondProgress, SkinSlider, ""},
    {kIdMinuteFilter, SkinSlider, ""},
    {kIdBrightness, SkinSlider, ""},
    {kIdPositionTime, TextLabel, "00:00:00"},
    {kIdDurationTime, TextLabel, "00:00:00"},
    {kIdFileName, TextLabel, "Filename"},
    {kIdRateIcon, TextLabel, ""},
};

const ControlToolTip kToolTips[] = {
    {kIdConfiguration, "Configuration"},
    {kIdMapViewToggle, "Map View"},
    {kIdCapture, "Capture"},
    {kIdMapCheck, "View Map"},
    {kIdPrint, "Print"},
    {kIdListReview, "List review"},
    {kIdMagnifier, "Zoom In"},
    {kIdCategoryNormal, "Normal"},
    {kIdSelectDrive, "Select Drive"},
    {kIdCategoryEvent, "Event"},
    {kIdStop, "Stop"},
    {kIdCategoryParking, "Parking"},
    {kIdPrevious, "Previous File"},
    {kIdCategoryAll, "ALL"},
    {kIdSecondBack, "1 sec. before"},
    {kIdMinimize, "Minimize"},
    {kIdPlay, "Play"},
    {kIdFullScreen, "Full Screen"},
    {kIdSecondNext, "1 sec. next"},
    {kIdOriginalScreen, "Original Screen"},
    {kIdNext, "Next file"},
    {kIdExit, "Close"},
    {kIdFrameStep, "Frame move"},
    {kIdInformation, "Info"},
    {kIdBrightnessReset, "Brightness Control"},
    {kIdFormatCard, "SD Card Format"},
    {kIdMute, "Volume Control"},
    {kIdVolume, "Volume"},
    {kIdFolderOpen, "Folder Open"},
    {kIdMirror, "Screen Horizontal"},
    {kIdCameraFront, "Camera 1"},
    {kIdFlipVertical, "Screen Vertical"},
    {kIdCameraRear, "Camera 2"},
    {kIdSpeedUnit, "kmh / mph"},
    {kIdCameraMap, "MAP"},
};

const ControlPosition kStartPositions[] = {
    {kIdRate, kWindowedRateSliderRect},      {kIdOriginalScreen, QRect(1022, 10, 19, 19)},
    {kIdSwapPanes, QRect(742, 212, 60, 22)}, {kIdMapViewToggle, QRect(867, 212, 60, 22)},
    {kIdFileName, QRect(49, 520, 120, 12)},  {kIdFullProgressBack, QRect(0, 0, 751, 50)},
};

}  // namespace

std::span<const ControlEntry> MainWindowControls() { return kControls; }
std::span<const ControlToolTip> MainWindowToolTips() { return kToolTips; }
std::span<const ControlPosition> MainWindowStartPositions() { return kStartPositions; }

}  // namespace motrevix
