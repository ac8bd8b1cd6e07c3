#pragma once
// The shape of a masked button: every pixel of the mask picture that is not pure
// white, gathered as one rectangle per run of such pixels in each row.

#include <QImage>
#include <QRegion>

namespace motrevix {

QRegion RegionFromMask(const QImage& mask);

}  // namespace motrevix
