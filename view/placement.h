#pragma once
// Where a control goes: its identifier, its rectangle in the main window's client
// coordinates, and whether it is shown. Layout rules compute lists of these; the
// window applies them in order, in one place.

#include <QRect>
#include <vector>

namespace motrevix {

enum class Visibility { Shown, Hidden, Unchanged };

struct Placement {
  int id = 0;
  QRect rect;  // a null rectangle leaves the geometry as it is
  Visibility show = Visibility::Unchanged;

  friend bool operator==(const Placement&, const Placement&) = default;
};

using Placements = std::vector<Placement>;

}  // namespace motrevix
