#pragma once
// The surface the thumbnail page, the frame strip and the preview are drawn on:
// a child of the main window over the video area that keeps what was drawn in a
// back buffer, so the pictures survive repaints until the video comes back.
// Positions are main-window client pixels; mouse actions come back the same way.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace motrevix::catalog {

class CThumbnailCanvas : public QWidget {
  Q_OBJECT

 public:
  // The part of the main window it covers: the page area, its cells and the preview.
  static QRect Area();

  explicit CThumbnailCanvas(QWidget* mainWindow);

  // Starts a page or strip: the backdrop copied to the page area, unscaled.
  void ShowBackdrop(const QPixmap& backdrop);
  // A picture at a main-window rectangle (already scaled to its size).
  void DrawPicture(const QRect& windowRect, const QImage& picture);
  // The top-left part of a picture that fits the rectangle, unscaled.
  void DrawCropped(const QRect& windowRect, const QImage& picture);
  // What the canvas shows, in main-window pixels (for tests and screenshots).
  QImage Contents(const QRect& windowRect) const;

 signals:
  void DoubleClicked(QPoint windowPos);
  void RightPressed(QPoint windowPos, QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage m_buffer;
};

}  // namespace motrevix::catalog
