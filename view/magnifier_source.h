#pragma once
// Which part of the screen the magnifier enlarges: the area of its client size
// divided by the factor, centred on the pointer and kept on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace motrevix {

inline constexpr int kMagnifierFactor = 2;

QRect MagnifierSource(QPoint pointer, QSize client, QSize screen, int factor = kMagnifierFactor);

}  // namespace motrevix
