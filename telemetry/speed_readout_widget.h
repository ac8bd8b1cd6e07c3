#pragma once
// The speed read-out: three cells of the digit strip side by side (hundreds,
// tens, units), each a plain copy of its 26 x 37 cell. Without a strip of its
// own it draws plain dark cells with light digits in the same places.

#include <QPixmap>
#include <QWidget>

#include "telemetry/speed_digits.h"

namespace motrevix {

class CSpeedReadoutWidget : public QWidget {
  Q_OBJECT

 public:
  // Placed at the read-out's cells in parent, all three blank.
  explicit CSpeedReadoutWidget(QWidget* parent);

  // The digit strip (286 x 37: digits 0 to 9, then blank); a null pixmap
  // brings the plain strip back.
  void SetDigitStrip(const QPixmap& strip);
  const QPixmap& DigitStrip() const { return strip_; }

  // Shows these strip cells at the hundreds, tens and units positions.
  void ShowCells(const SpeedCells& cells);
  const SpeedCells& Cells() const { return cells_; }

  // The strip drawn when none is given.
  static QPixmap PlainDigitStrip();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap strip_;
  SpeedCells cells_ = kBlankSpeedCells;
};

}  // namespace motrevix
