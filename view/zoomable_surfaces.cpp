#include "view/zoomable_surfaces.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include "view/view_globals.h"

namespace motrevix {

void CPannableSurface::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  grabMouse();
  m_ptDragStart = event->position().toPoint();
}

void CPannableSurface::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || mouseGrabber() != this) return;
  QWidget* host = parentWidget();
  if (host == nullptr) return;
  const QPoint cursor = mapTo(host, event->position().toPoint());
  const int x = cursor.x() - m_ptDragStart.x();
  const int y = cursor.y() - m_ptDragStart.y();
  // Outside the bounds the surface stays where it was last placed.
  if (!DragAccepted(x, y, CurrentDragBounds())) return;
  move(x, y);
  raise();
  update();
}

void CPannableSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  if (mouseGrabber() == this) releaseMouse();
  update();
}

void CPannableSurface::wheelEvent(QWheelEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
  const int notches = wheel_.Take(event->angleDelta().y());
  bool acted = false;
  for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) acted |= ZoomStep(notches > 0);
  if (acted && onZoomStep) onZoomStep();
}

void CPannableSurface::Place(const SurfacePlacement& placement) {
  setGeometry(placement.x, placement.y, placement.width, placement.height);
  update();
}

CVlmVideoView::CVlmVideoView(QWidget* parent) : CPannableSurface("Video window1", parent) {
  setFocusPolicy(Qt::ClickFocus);
}

void CVlmVideoView::mouseDoubleClickEvent(QMouseEvent*) { setFocus(Qt::MouseFocusReason); }

std::optional<DragBounds> CVlmVideoView::CurrentDragBounds() const {
  return FrontDragBounds(m_nZoomLevel, CurrentZoomViewFlags());
}

bool CVlmVideoView::ZoomStep(bool zoomIn) {
  const FrontZoomStepResult step = FrontZoomStep(m_nZoomLevel, zoomIn, CurrentZoomViewFlags());
  if (step.frontZoomed) g_bFrontZoomed = *step.frontZoomed;
  if (!step.acts) return false;
  m_nZoomLevel = step.level;
  Place(step.placement);
  return true;
}

CVlmVideoRearView::CVlmVideoRearView(QWidget* parent) : CPannableSurface("Video window2", parent) {
  setFocusPolicy(Qt::ClickFocus);
}

std::optional<DragBounds> CVlmVideoRearView::CurrentDragBounds() const {
  return RearDragBounds(g_nRearZoomLevel, g_bRearFullScreen);
}

bool CVlmVideoRearView::ZoomStep(bool zoomIn) {
  const RearZoomStepResult step = RearZoomStep(g_nRearZoomLevel, zoomIn, CurrentZoomViewFlags());
  if (!step.acts) return false;
  g_nRearZoomLevel = step.level;
  Place(step.placement);
  return true;
}

}  // namespace motrevix
