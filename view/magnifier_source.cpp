#include "view/magnifier_source.h"

namespace motrevix {

QRect MagnifierSource(QPoint pointer, QSize client, QSize screen, int factor) {
  const int w = client.width() / factor;
  const int h = client.height() / factor;
  int x = pointer.x() - w / 2;
  int y = pointer.y() - h / 2;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  if (x + w > screen.width()) x = screen.width() - w;
  if (y + h > screen.height()) y = screen.height() - h;
  return QRect(x, y, w, h);
}

}  // namespace motrevix
