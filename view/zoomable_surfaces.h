#pragma once
// The front and rear video surfaces with digital zoom and pan. A zoom step makes
// the surface larger than its host and centres it there, so the host shows the
// middle of the enlarged picture; dragging with the left button moves it within
// strict bounds. The arithmetic is view/zoom_rules.h; these widgets apply it.

#include <QPoint>
#include <functional>
#include <optional>

#include "view/video_surface_widget.h"
#include "view/wheel_notches.h"
#include "view/zoom_rules.h"

namespace motrevix {

class CPannableSurface : public CVideoSurfaceWidget {
  Q_OBJECT

 public:
  using CVideoSurfaceWidget::CVideoSurfaceWidget;

  // Called after every zoom step that acts (the main window repaints, and the
  // rear's step runs playback on).
  std::function<void()> onZoomStep;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

  // The bounds of a drag now; nothing when no move is taken.
  virtual std::optional<DragBounds> CurrentDragBounds() const = 0;
  // One wheel step; true when it acted.
  virtual bool ZoomStep(bool zoomIn) = 0;
  void Place(const SurfacePlacement& placement);

  // Where the left button went down, in the surface's own coordinates.
  QPoint m_ptDragStart;

 private:
  WheelNotches wheel_;
};

// The front surface "Video window1"; its level is kept for the whole run.
class CVlmVideoView : public CPannableSurface {
  Q_OBJECT

 public:
  explicit CVlmVideoView(QWidget* parent);
  int ZoomLevel() const { return m_nZoomLevel; }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  std::optional<DragBounds> CurrentDragBounds() const override;
  bool ZoomStep(bool zoomIn) override;

 private:
  int m_nZoomLevel = 1;
};

// The rear surface "Video window2"; its level is the process-wide rear level.
class CVlmVideoRearView : public CPannableSurface {
  Q_OBJECT

 public:
  explicit CVlmVideoRearView(QWidget* parent);

 protected:
  std::optional<DragBounds> CurrentDragBounds() const override;
  bool ZoomStep(bool zoomIn) override;
};

}  // namespace motrevix
