#pragma once
// `CBitWnd`: a small window that shows one frame of a strip picture (0 normal,
// 1 hover, 2 pressed or toggled) and, as a slider's thumb, passes its mouse input
// on to the slider under it, so dragging the visible thumb drags the slider.

#include <QPixmap>
#include <QWidget>

#include "skin/slider_geometry.h"

namespace motrevix {

class CBitWnd : public QWidget {
  Q_OBJECT

 public:
  explicit CBitWnd(QWidget* parent);

  // The picture and its frame size (0: the whole picture's width or height).
  void SetStrip(const QPixmap& picture, int frameWidth, int frameHeight);
  QSize FrameSize() const;
  int Frame() const { return m_nFrame; }
  bool m_bToggles = false;
  bool m_bForwardMouse = false;
  bool m_bToggled = false;

 signals:
  // The command notification to the owner (on release).
  void Command();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Forward(QMouseEvent* event);

  QPixmap m_picture;
  StripLayout m_strip;
  int m_nFrame = 0;
};

}  // namespace motrevix
