// The magnifier command: the first use makes the "Zoom" window beside the main
// window; it lives until the main window goes. While the main window moves the
// magnifier follows it.
#include <QMoveEvent>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "view/lens_dlg.h"

namespace motrevix {

void CSamplePlayerDlg::InstallMagnifierCommand() {
  m_commands.Register(kIdMagnifier, [this] { OnMagnifier(); });
}

void CSamplePlayerDlg::OnMagnifier() {
  if (m_pZoomWnd == nullptr) {
    m_pZoomWnd = new CLensDlg(this);
    m_pZoomWnd->move(pos() + QPoint(790, 375));
  }
  m_pZoomWnd->show();
}

void CSamplePlayerDlg::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (m_pZoomWnd != nullptr) {
    m_pZoomWnd->move(pos() + QPoint(24, 293));
    m_pZoomWnd->raise();
  }
}

}  // namespace motrevix
