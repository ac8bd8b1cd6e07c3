#include "app/skin_face_sets.h"

#include "app/control_ids.h"
#include "skin/skin_table.h"

namespace motrevix {
namespace {

// Windowed faces of the push buttons (normal, pressed, focused, disabled), and
// the category buttons' faces at start-up.
const ButtonFaces kStartupButtons[] = {
    {kIdPrevious, {241, 288, 241, 0}},
    {kIdPlay, {232, 0, 0, 0}},
    {kIdStop, {240, 287, 240, 0}},
    {kIdNext, {244, 291, 244, 0}},
    {kIdSecondBack, {242, 289, 242, 0}},
    {kIdSecondNext, {243, 290, 243, 0}},
    {kIdFrameStep, {245, 292, 245, 0}},
    {kIdSelectDrive, {239, 286, 239, 0}},
    {kIdMinimize, {264, 396, 0, 0}},
    {kIdFullScreen, {263, 395, 0, 0}},
    {kIdOriginalScreen, {277, 0, 0, 0}},
    {kIdExit, {265, 394, 0, 0}},
    {kIdConfiguration, {268, 279, 268, 0}},
    {kIdCapture, {271, 285, 271, 0}},
    {kIdMagnifier, {269, 282, 269, 0}},
    {kIdGSensorWindow, {270, 281, 270, 0}},
    {kIdRepair, {272, 279, 268, 0}},
    {kIdPrint, {345, 0, 0, 0}},
    {kIdInformation, {327, 328, 327, 0}},
    {kIdFormatCard, {400, 401, 400, 0}},
    {kIdSpeedUnit, {343, 344, 0, 0}},
    {kIdCameraFront, {351, 0, 0, 0}},
    {kIdCameraRear, {352, 353, 353, 352}},
    {kIdCameraMap, {354, 355, 354, 354}},
    {kIdBrightnessReset, {221, 358, 221, 0}},
    {kIdSwapPanes, {247, 0, 0, 0}},
    {kIdMapViewToggle, {249, 0, 0, 0}},
    {kIdListReview, {273, 0, 0, 0}},
    {kIdSpeedHundreds, {332, 0, 0, 0}},
    {kIdSpeedTens, {332, 0, 0, 0}},
    {kIdSpeedOnes, {332, 0, 0, 0}},
    {kIdThumbnailPage, {309, 0, 0, 0}},
    {kIdFrameStrip, {308, 0, 0, 0}},
    {kIdPagePrevious, {307, 0, 0, 0}},
    {kIdPageNext, {305, 0, 0, 0}},
    {kIdExtendedLayout, {310, 0, 0, 0}},
    {kIdCategoryAll, {323, 324, 323, 323}},
    {kIdCategoryNormal, {297, 298, 297, 0}},
    {kIdCategoryEvent, {295, 296, 295, 0}},
    {kIdCategoryParking, {325, 326, 325, 325}},
    {kIdCategoryMotion, {299, 300, 299, 0}},
    {kIdCategoryManual, {301, 302, 301, 0}},
    {kIdFolderOpen, {330, 331, 330, 0}},
};

const SkinButtonBitmaps kStartupTwoState[] = {
    {kIdRearCheck, {262, 262, 262, 262, 262, 262}},    {kIdMute, {267, 293, 267, 267, 267, 267}},
    {kIdMapCheck, {274, 274, 274, 274, 274, 274}},     {kIdMirror, {275, 275, 284, 275, 275, 275}},
    {kIdFlipVertical, {276, 276, 283, 283, 276, 276}},
};

// The rate slider has pictures of its own, so the rate and where to drag show.
const SliderBitmaps kStartupSliders[] = {
    {kIdProgress, 356, 20, 236, 237},
    {kIdBrightness, 233, 20, 250, 251},
    {kIdVolume, 233, 20, 252, 253},
    {kIdHourFilter, 233, 14, 254, 254},
    {kIdMinuteFilter, 233, 14, 257, 256},
    {kIdSecondProgress, 233, 14, 257, 256},
    {kIdRate, kRateThumb, 20, kRateTrackEmpty, kRateTrackFilled},
};

const ButtonFaces kFullScreenButtons[] = {
    {kIdPrevious, {363, 364, 363, 0}},   {kIdNext, {373, 374, 373, 0}},
    {kIdSecondBack, {369, 370, 369, 0}}, {kIdSecondNext, {367, 368, 367, 0}},
    {kIdFrameStep, {365, 366, 365, 0}},  {kIdMinimize, {383, 384, 0, 0}},
    {kIdFullScreen, {392, 393, 392, 0}}, {kIdOriginalScreen, {385, 386, 0, 0}},
    {kIdExit, {381, 382, 0, 0}},         {kIdFullProgressBack, {391, 0, 0, 0}},
};

const SkinButtonBitmaps kFullScreenTwoState[] = {
    {kIdMirror, {371, 371, 372, 371, 371, 371}},
    {kIdFlipVertical, {379, 379, 380, 379, 379, 379}},
};

const SliderBitmaps kFullScreenSliders[] = {{kIdProgress, 0, 0, 388, 387}};

const ButtonFaces kWindowedButtons[] = {
    {kIdPrevious, {241, 288, 241, 0}},   {kIdSecondBack, {242, 289, 242, 0}},
    {kIdSecondNext, {243, 290, 243, 0}}, {kIdNext, {244, 291, 244, 0}},
    {kIdFrameStep, {245, 292, 245, 0}},  {kIdFullScreen, {263, 395, 0, 0}},
    {kIdMinimize, {264, 396, 0, 0}},     {kIdExit, {265, 394, 0, 0}},
};

const SkinButtonBitmaps kWindowedTwoState[] = {
    {kIdMirror, {275, 275, 284, 275, 275, 275}},
    {kIdFlipVertical, {276, 276, 283, 283, 276, 276}},
};

const SliderBitmaps kWindowedSliders[] = {{kIdProgress, 356, 20, 236, 237}};

}  // namespace

SkinFaceSet StartupFaceSet() { return {kStartupButtons, kStartupTwoState, kStartupSliders}; }
SkinFaceSet FullScreenFaceSet() {
  return {kFullScreenButtons, kFullScreenTwoState, kFullScreenSliders};
}
SkinFaceSet WindowedFaceSet() { return {kWindowedButtons, kWindowedTwoState, kWindowedSliders}; }

int PlayButtonFace(bool showsPause, int screenMode) {
  if (screenMode == 2) return showsPause ? 375 : 377;
  return showsPause ? 278 : 232;
}

}  // namespace motrevix
