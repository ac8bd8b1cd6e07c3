#pragma once
// The main window's controls by role. Each value is the control's dialog
// identifier, which is also its object name ("1006" for PLAY), so that code,
// tests and screenshots name a control the same way.
//
// This header is the windows' shared vocabulary: it includes nothing, and any
// layer that places or skins a main-window control may include it.

namespace motrevix {

enum ControlId : int {
  // The main window and the windows that host the video surfaces.
  kIdMainWindow = 102,
  kIdFrontHost = 227,
  kIdRearHost = 320,
  // Window buttons.
  kIdMinimize = 1000,
  kIdExit = 1001,
  kIdFullScreen = 1018,
  kIdOriginalScreen = 1025,
  // Transport.
  kIdPrevious = 1005,
  kIdPlay = 1006,
  kIdStop = 1007,
  kIdNext = 1008,
  kIdSecondBack = 1009,
  kIdSecondNext = 1010,
  kIdFrameStep = 1011,
  // Sliders.
  kIdProgress = 1002,
  kIdRate = 1003,
  kIdVolume = 1004,
  kIdHourFilter = 1019,
  kIdSecondProgress = 1024,
  kIdMinuteFilter = 1030,
  kIdBrightness = 1112,
  // Card, list and tools.
  kIdSelectDrive = 1012,
  kIdFileList = 1013,
  kIdConfiguration = 1016,
  kIdCapture = 1017,
  kIdMute = 1023,
  kIdGSensorWindow = 1098,
  kIdMapCheck = 1099,
  kIdRearCheck = 1100,
  kIdMapViewToggle = 1101,
  kIdMapView = 1106,
  kIdFlipVertical = 1110,
  kIdMirror = 1111,
  kIdMagnifier = 1121,
  kIdCalendar = 1125,
  kIdListReview = 1132,
  kIdRepair = 1137,
  kIdExtendedLayout = 1154,
  kIdFolderOpen = 1162,
  kIdPrint = 1163,
  kIdInformation = 1161,
  kIdFormatCard = 1210,
  // Pane arrangement.
  kIdSwapPanes = 1097,
  kIdCameraFront = 1168,
  kIdCameraRear = 1169,
  kIdCameraMap = 1170,
  kIdFullProgressBack = 1208,
  // Categories.
  kIdCategoryEvent = 1150,
  kIdCategoryMotion = 1151,
  kIdCategoryNormal = 1152,
  kIdCategoryManual = 1153,
  kIdCategoryAll = 1159,
  kIdCategoryParking = 1160,
  // Thumbnails.
  kIdStripPrevious = 1155,
  kIdStripNext = 1156,
  kIdPageNext = 1157,
  kIdPagePrevious = 1158,
  // What 1155 and 1156 do: show the thumbnail page, show the frame strip.
  kIdThumbnailPage = kIdStripPrevious,
  kIdFrameStrip = kIdStripNext,
  // Speed read-out: hundreds, tens, ones, and the unit.
  kIdSpeedHundreds = 1164,
  kIdSpeedTens = 1165,
  kIdSpeedOnes = 1166,
  kIdSpeedUnit = 1167,
  kIdBrightnessReset = 1171,
  // Labels.
  kIdPositionTime = 1014,
  kIdDurationTime = 1015,
  kIdFileName = 1027,
  kIdRateIcon = 1029,
};

}  // namespace motrevix
