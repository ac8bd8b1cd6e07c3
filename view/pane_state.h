#pragma once
// The three panes of the main window (front picture, rear picture, map) and the
// rules that move them, without widgets. Each pane is hidden, large (the video
// area) or inset (below the file list). The swap and full-screen flags are the
// process-wide view values (view/view_globals.h); the rules read and return them.

#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "view/pane_rects.h"
#include "view/pixel_rect.h"
#include "view/placement.h"

namespace motrevix {

enum PaneMode : int { kPaneHidden = 0, kPaneLarge = 1, kPaneInset = 2 };

struct PaneState {
  int m_nFrontPane = kPaneHidden;
  int m_nRearPane = kPaneHidden;
  int m_nMapPane = kPaneHidden;

  friend bool operator==(const PaneState&, const PaneState&) = default;
};

// A recording was opened: the front large, the rear inset when there is one and
// the user has not hidden it, the map hidden until the GPS check shows it.
PaneState PanesAfterOpen(const PaneState& before, int channelCount, bool rearHiddenByUser);
// The recording has GPS records and the map page is online: the map goes inset.
PaneState PanesWithMapInset(const PaneState& before);
// Playback stopped: the map is hidden; the pictures keep their states.
PaneState PanesAfterStop(const PaneState& before);

// Faces of a bitmap push button by skin bitmap number: normal, pressed, focused,
// disabled (0: none, the normal face stands in).
using FaceSet = std::array<int, 4>;
struct ButtonFaces {
  int id = 0;
  FaceSet faces{};
  friend bool operator==(const ButtonFaces&, const ButtonFaces&) = default;
};

// Skin bitmaps of the camera buttons: grey and highlighted.
constexpr int kFaceFrontGrey = 350;
constexpr int kFaceFrontLit = 351;
constexpr int kFaceRearGrey = 352;
constexpr int kFaceRearLit = 353;
constexpr int kFaceMapGrey = 354;
constexpr int kFaceMapLit = 355;

// Texts of the map view button: "show the map large", "show the map small".
QString MapViewTextLarge();
QString MapViewTextSmall();

// What the pane routine arranges from.
struct PaneLayoutInputs {
  PaneState panes;
  int screenMode = 1;
  // A loaded recording with two channels.
  bool rearAvailable = false;
  // Full screen: the main window's client size and the stretch flag.
  QSize clientSize;
  std::int32_t fullScreenStretch = 0;
  // The front zoom: flag, level and the surface's present size.
  std::int32_t frontZoomed = 0;
  int frontZoomLevel = 1;
  QSize frontSurfaceSize;
  // Windowed: where the inset pane is (it moves with the extended background).
  QRect insetRect = kInsetPaneRect;
};

// What the pane routine does to the windows and buttons for one pane state.
struct PaneArrangement {
  // The front host, the rear host, the map view and the buttons, in the order
  // they are applied. The rear host is a top-level window: its rectangle is in
  // the main window's client coordinates and is mapped to the screen.
  Placements placements;
  // The surfaces inside their hosts (null: left as they are).
  QRect frontSurface;
  Visibility frontSurfaceShow = Visibility::Unchanged;
  QRect rearSurface;
  Visibility rearSurfaceShow = Visibility::Unchanged;
  // The rear-view and map check boxes (unset: left as they are).
  std::optional<bool> rearCheck;
  std::optional<bool> mapCheck;
  // New faces of buttons, in order.
  std::vector<ButtonFaces> faces;
  // The map view button's text (unset: left as it is).
  std::optional<QString> mapViewText;
  // Buttons repainted afterwards.
  std::vector<int> repaint;
  // The view flags written (unset: left as they are).
  std::optional<std::int32_t> viewSwapped;
  std::optional<std::int32_t> frontFullScreen;
  std::optional<std::int32_t> rearFullScreen;
  std::optional<PixelRect> fullScreenVideo;
  // Full screen: where the progress slider's click-to-seek counts from.
  std::optional<int> progressOriginX;
  bool hideGSensorWindow = false;
};

// The arrangement of the windowed (1) or full-screen (2) layout.
PaneArrangement ArrangePanes(const PaneLayoutInputs& inputs);

// The large front surface of the windowed layout: the base size when not
// zoomed; when zoomed, the zoom level's size centred, unless the surface already
// has that size (its pan is then kept). Unset: leave the surface as it is.
std::optional<QRect> LargeFrontSurface(std::int32_t frontZoomed, int level, QSize present);

}  // namespace motrevix
