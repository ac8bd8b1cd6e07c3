#pragma once
// The two windows that host the video surfaces: the front host `CZoomDlg`, a
// child of the main window, and the rear host `CRearViewDlg`, a top-level window
// owned by the main window. Each clips its surface and shows black around it.

#include <QDialog>
#include <QWidget>

#include "view/zoomable_surfaces.h"

namespace motrevix {

class CZoomDlg : public QWidget {
  Q_OBJECT

 public:
  explicit CZoomDlg(QWidget* parent);
  CVlmVideoView* Surface() const { return m_pSurface; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CVlmVideoView* m_pSurface;
};

class CRearViewDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CRearViewDlg(QWidget* owner);
  CVlmVideoRearView* Surface() const { return m_pSurface; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Enter and Escape do nothing: neither closes the rear picture's window.
  void keyPressEvent(QKeyEvent* event) override;
  // The picture fills the window's client area as the user sizes it; while the
  // rear fills the full screen its zoom decides the surface instead.
  void resizeEvent(QResizeEvent* event) override;

 private:
  CVlmVideoRearView* m_pSurface;
};

}  // namespace motrevix
