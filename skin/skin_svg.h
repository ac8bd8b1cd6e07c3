#pragma once
// The SVG text of a skin bitmap: a background file as it is, or a face, track,
// thumb or strip composed from its look, a glyph file and a caption, in the one
// palette of the skin.

#include <QByteArray>

#include "skin/skin_table.h"

namespace motrevix {

QByteArray SkinSvg(const SkinArt& art);

}  // namespace motrevix
