#pragma once
// A video surface as a widget: the engine hands it pictures on its own threads;
// the widget keeps the newest one under a lock and paints it, stretched to its
// whole client area, on the UI thread. Without a picture it is black.

#include <QWidget>
#include <mutex>

#include "playback/video_surface.h"

namespace motrevix {

class CVideoSurfaceWidget : public QWidget, public IVideoSurface {
  Q_OBJECT

 public:
  // name: the window text, "Video window1" or "Video window2".
  CVideoSurfaceWidget(const QString& name, QWidget* parent);
  ~CVideoSurfaceWidget() override;

  void PresentPicture(std::shared_ptr<const QImage> picture, MediaTime time) override;
  QSize ClientSize() const override;
  void SetVideoPosition(const QRect& destination, bool renderBorder) override;
  void RequestRepaint() override;

  std::shared_ptr<const QImage> Picture() const;
  long long PresentedCount() const;

 signals:
  // On the UI thread, once a newer picture than the one painted is to be shown.
  void PictureArrived();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const QImage> picture_;
  QSize clientSize_;
  QRect destination_;
  long long presented_ = 0;
  long long painted_ = 0;    // the value of presented_ when last painted
  long long announced_ = 0;  // ... when PictureArrived was last emitted
};

}  // namespace motrevix
