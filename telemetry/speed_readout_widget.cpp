#include "telemetry/speed_readout_widget.h"

#include <QFont>
#include <QPainter>

namespace motrevix {

CSpeedReadoutWidget::CSpeedReadoutWidget(QWidget* parent)
    : QWidget(parent), strip_(PlainDigitStrip()) {
  setObjectName("SpeedReadout");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(kSpeedReadoutX, kSpeedReadoutY, 3 * kDigitCellWidth, kDigitCellHeight);
}

void CSpeedReadoutWidget::SetDigitStrip(const QPixmap& strip) {
  strip_ = strip.isNull() ? PlainDigitStrip() : strip;
  update();
}

void CSpeedReadoutWidget::ShowCells(const SpeedCells& cells) {
  if (cells == cells_) return;
  cells_ = cells;
  update();
}

QPixmap CSpeedReadoutWidget::PlainDigitStrip() {
  QPixmap strip(kDigitStripWidth, kDigitCellHeight);
  strip.fill(QColor(24, 27, 31));
  QPainter painter(&strip);
  QFont font("DejaVu Sans Mono");
  font.setPixelSize(30);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(236, 240, 244));
  for (int digit = 0; digit <= 9; ++digit)
    painter.drawText(QRect(digit * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight),
                     Qt::AlignCenter, QString::number(digit));
  return strip;
}

void CSpeedReadoutWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);  // under a strip smaller than its cells
  // The cell in the strip's own pixels: a strip for a high-density screen has more of them.
  const qreal ratio = strip_.devicePixelRatio();
  for (int position = 0; position < 3; ++position) {
    const QRectF source(cells_[position] * kDigitCellWidth * ratio, 0, kDigitCellWidth * ratio,
                        kDigitCellHeight * ratio);
    const QRectF target(position * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight);
    painter.drawPixmap(target, strip_, source);
  }
}

}  // namespace motrevix
