// skin-sheet: writes a contact sheet of every skin bitmap with its number.
// The large backgrounds are shown at half size, the wide strips at their own
// size, and every face, track and thumb twice as large as on screen (rendered at
// device pixel ratio 2, so the sheet shows the HiDPI pictures pixel for pixel).
//   skin-sheet OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "skin/skin_store.h"
#include "skin/skin_table.h"

using namespace motrevix;

namespace {

constexpr int kWidth = 1400;
constexpr int kMargin = 16;
constexpr int kLabel = 16;

qreal ScaleOf(const SkinArt& art) {
  if (art.size.width() >= 1000) return 0.5;
  if (art.size.width() >= 280) return 1;
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin-sheet OUTPUT.png\n");
    return 2;
  }
  // Lay the pictures out in rows, largest first, then draw them.
  struct Placed {
    const SkinArt* art;
    QRect rect;
  };
  std::vector<const SkinArt*> order;
  for (const SkinArt& art : SkinTable()) order.push_back(&art);
  std::stable_sort(order.begin(), order.end(),
                   [](const SkinArt* a, const SkinArt* b) { return ScaleOf(*a) < ScaleOf(*b); });
  std::vector<Placed> placed;
  int x = kMargin, y = kMargin, rowHeight = 0;
  qreal rowScale = ScaleOf(*order.front());
  for (const SkinArt* art : order) {
    const qreal scale = ScaleOf(*art);
    const QSize size = (QSizeF(art->size) * scale).toSize();
    const int cellWidth = std::max(size.width(), 28);
    if (x + cellWidth > kWidth - kMargin || scale != rowScale) {
      x = kMargin;
      y += rowHeight + kLabel + 10;
      rowHeight = 0;
      rowScale = scale;
    }
    placed.push_back({art, QRect(QPoint(x, y), size)});
    x += cellWidth + 14;
    rowHeight = std::max(rowHeight, size.height());
  }
  const int height = y + rowHeight + kLabel + kMargin;

  QImage sheet(kWidth, height, QImage::Format_RGB32);
  sheet.fill(QColor(54, 58, 64));
  QPainter painter(&sheet);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  painter.setFont(font);
  for (const Placed& p : placed) {
    const qreal scale = ScaleOf(*p.art);
    QImage picture = SkinImage(p.art->number, scale);
    picture.setDevicePixelRatio(1);
    // A checker behind the picture shows its transparent parts.
    for (int cy = 0; cy < p.rect.height(); cy += 6)
      for (int cx = 0; cx < p.rect.width(); cx += 6)
        painter.fillRect(QRect(p.rect.topLeft() + QPoint(cx, cy), QSize(6, 6)) & p.rect,
                         ((cx + cy) / 6) % 2 ? QColor(70, 74, 80) : QColor(84, 88, 94));
    painter.drawImage(p.rect.topLeft(), picture);
    painter.setPen(QColor(230, 232, 236));
    painter.drawText(QPoint(p.rect.left(), p.rect.bottom() + 14), QString::number(p.art->number));
  }
  painter.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "skin-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
