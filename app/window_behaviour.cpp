// The small behaviours of the main window: exit with confirmation, minimise,
// dragging by the background, Enter and Escape swallowed, painting the video,
// the information window and the listed rows.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QSlider>
#include <QWebEngineView>
#include <QWindow>

#include "app/control_ids.h"
#include "app/info_dlg.h"
#include "app/sample_player_dlg.h"
#include "catalog/catalog_globals.h"
#include "catalog/file_list_widget.h"

namespace motrevix {

void CSamplePlayerDlg::InstallWindowCommands() {
  m_commands.Register(kIdExit, [this] { OnExit(); });
  m_commands.Register(kIdMinimize, [this] { OnMinimize(); });
  m_commands.Register(kIdInformation, [this] { OnInformation(); });
  m_commands.Register(kIdRepair, [this] { OnRepair(); });
}

void CSamplePlayerDlg::OnExit() {
  OnStop();
  if (m_prompt.AskYesNo("Are you sure you want to quit?     ", "Exit")) done(QDialog::Accepted);
}

void CSamplePlayerDlg::OnMinimize() { showMinimized(); }

bool CSamplePlayerDlg::eventFilter(QObject* watched, QEvent* event) {
  // Before any control of this window sees it, a key-down of Enter or Escape is
  // dropped: the window never closes or activates anything by keyboard. (In full
  // screen the keyboard's filter, which runs first, has taken Escape to leave it.)
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const auto* widget = qobject_cast<QWidget*>(watched);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
        widget != nullptr && widget->window() == this)
      return true;
  }
  // The wheel moves none of this window's sliders: over the progress or the
  // volume slider it would seek or change the volume by accident.
  if (event->type() == QEvent::Wheel) {
    const auto* slider = qobject_cast<QSlider*>(watched);
    if (slider != nullptr && slider->window() == this) {
      event->accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CSamplePlayerDlg::reject() {
  // Escape ends here and does nothing; closing goes through Exit's question.
}

void CSamplePlayerDlg::closeEvent(QCloseEvent* event) {
  // The window manager's close (Alt+F4, the task bar, logging out) asks the same
  // question as Exit; a No keeps the window open.
  OnExit();
  if (isVisible()) event->ignore();
}

void CSamplePlayerDlg::mousePressEvent(QMouseEvent* event) {
  setFocus();
  // In the windowed layout the free background drags the window. The window
  // system moves it where it can (also on Wayland); elsewhere the mouse does.
  if (event->button() == Qt::LeftButton && m_nScreenMode != 2) {
    QWindow* handle = windowHandle();
    m_bDragging = handle == nullptr || !handle->startSystemMove();
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
  }
  QDialog::mousePressEvent(event);
}

void CSamplePlayerDlg::mouseMoveEvent(QMouseEvent* event) {
  if (m_bDragging && (event->buttons() & Qt::LeftButton))
    move(event->globalPosition().toPoint() - m_dragOffset);
  QDialog::mouseMoveEvent(event);
}

void CSamplePlayerDlg::mouseReleaseEvent(QMouseEvent* event) {
  m_bDragging = false;
  QDialog::mouseReleaseEvent(event);
}

void CSamplePlayerDlg::paintEvent(QPaintEvent* event) {
  {
    // Black, then the background picture unscaled at the top-left.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_background.isNull()) painter.drawPixmap(0, 0, m_background);
  }
  if (CPlaybackGraph* graph = m_Player.Graph()) {
    if (graph->GetState() == PlayState::Running) graph->Repaint();
    graph->UpdateVideoRects();
  }
  QDialog::paintEvent(event);
}

void CSamplePlayerDlg::resizeEvent(QResizeEvent* event) {
  CPlaybackGraph* graph = m_Player.Graph();
  // A graph that does not run shows its current frame again in the new size.
  if (graph != nullptr && graph->GetState() != PlayState::Running && graph->HasGraph())
    m_Player.SeekMs(static_cast<std::int32_t>(m_Player.GetPositionMs()));
  QDialog::resizeEvent(event);
  // The window manager reports the maximised size after the screen-mode command
  // has laid the controls out: the full-screen layouts run again on it.
  if (m_nScreenMode == 2 && event->size() != event->oldSize()) {
    ApplyLayout(2);
    ApplyPaneLayout();
  }
}

void CSamplePlayerDlg::OnInformation() {
  if (m_pInfoDlg == nullptr) {
    m_pInfoDlg = new CInfoDlg(this);
    // Unless the window is told otherwise the link opens the default browser.
    if (openAddress)
      m_pInfoDlg->openAddress = [this](const QString& address) { openAddress(address); };
  }
  m_pInfoDlg->show();
  m_pInfoDlg->raise();
}

void CSamplePlayerDlg::SetListedRows(const catalog::RecordingRows& rows, const QString& folder) {
  m_pFileList->SetRows(rows);
  m_strCurrentFolder = folder;
  catalog::g_strLastListedFolder = folder;
}

}  // namespace motrevix
