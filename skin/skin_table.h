#pragma once
// Every skin bitmap by its number: its size in logical pixels, what it is for,
// and how it is drawn. The pictures themselves are SVG: whole files for the
// backgrounds, and for the faces a plate of one of a few looks with a glyph file
// and a caption on it (skin_svg.cpp composes them). skin/README.md tells how.

#include <QSize>
#include <span>

namespace motrevix {

enum class SkinLook {
  Background,  // a whole SVG file, art/backgrounds/<number>.svg
  Plate,       // a rounded button plate with a glyph and/or a caption
  Masked,      // a plate made a mask: pure white exactly where the button is see-through
  Segment,     // a square-cornered piece of the full-screen control bar
  Tab,         // a category tab with its caption
  Track,       // a slider track
  Thumb,       // a slider thumb
  Digits,      // the speed digit strip
  Graph,       // the G-sensor graph background
  Cell,        // a dark cell behind one speed digit
};

enum class SkinState {
  Normal,   // light glyph on a dark plate
  Pressed,  // the plate pushed in, glyph and rim in the accent colour
  Lit,      // selected or active: glyph or caption in the accent colour
};

struct SkinArt {
  int number;
  QSize size;
  const char* role;
  SkinLook look;
  SkinState state = SkinState::Normal;
  // The glyph file art/glyphs/<glyph>.svg, or nothing.
  const char* glyph = nullptr;
  // A caption drawn on the face, or nothing. For a track: "tick" adds a tick
  // at its middle.
  const char* caption = nullptr;
};

std::span<const SkinArt> SkinTable();
// The entry of a number, or null when no bitmap has that number.
const SkinArt* FindSkinArt(int number);

// Numbers of the rate slider's own pictures (the track and thumb it lacked).
inline constexpr int kRateTrackEmpty = 410;
inline constexpr int kRateTrackFilled = 411;
inline constexpr int kRateThumb = 412;

}  // namespace motrevix
