#include "app/thumbnail_feature.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolTip>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "app/skin_face_sets.h"
#include "catalog/file_list_widget.h"
#include "catalog/file_name_text.h"
#include "catalog/thumbnail_canvas_widget.h"
#include "catalog/thumbnail_globals.h"
#include "catalog/thumbnail_page.h"
#include "playback/still_frame_grabber.h"
#include "playback/thumbnail_stills.h"
#include "skin/skin_store.h"

namespace motrevix {

using namespace catalog;

namespace {
constexpr int kPathColumn = 3;
}

CThumbnailFeature::CThumbnailFeature(CSamplePlayerDlg& window, Sources sources)
    : m_window(window), m_sources(std::move(sources)) {
  if (!m_sources.backdrop) m_sources.backdrop = [] { return SkinBitmap(kThumbnailBackdrop); };
  m_pCanvas = new CThumbnailCanvas(&window);

  CommandRouter& commands = window.Commands();
  commands.Register(kIdThumbnailPage, [this] { ShowThumbnailPage(); });
  commands.Register(kIdFrameStrip, [this] { ShowFrameStrip(); });
  commands.Register(kIdPageNext, [this] { NextPage(); });
  commands.Register(kIdPagePrevious, [this] { PreviousPage(); });

  connect(&window, &CSamplePlayerDlg::PlayIssued, this, [this] {
    ResetThumbnailsOnPlay();
    HideCanvas();
  });
  connect(&window, &CSamplePlayerDlg::StopIssued, this, [this] {
    ResetThumbnailsOnStop();
    HideCanvas();
  });
  CFileListWidget* list = window.FileList();
  connect(list, &CFileListWidget::RowActivated, this, [this](int) {
    ResetThumbnailsOnRowDoubleClick();
    HideCanvas();
  });
  connect(list, &QTreeWidget::itemClicked, this, [this, list](QTreeWidgetItem* item, int) {
    OnRowClicked(list->indexOfTopLevelItem(item));
  });
  connect(m_pCanvas, &CThumbnailCanvas::DoubleClicked, this,
          &CThumbnailFeature::OnBackgroundDoubleClick);
  connect(m_pCanvas, &CThumbnailCanvas::RightPressed, this,
          &CThumbnailFeature::OnBackgroundRightPress);
  window.installEventFilter(this);
  list->viewport()->installEventFilter(this);
}

bool CThumbnailFeature::eventFilter(QObject* watched, QEvent* event) {
  // Full screen has a plain black background: nothing drawn on the windowed one stays.
  if (watched == &m_window && event->type() == QEvent::Resize && m_window.m_nScreenMode != 1)
    HideCanvas();
  if (event->type() != QEvent::MouseButtonDblClick && event->type() != QEvent::MouseButtonPress)
    return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint pos = mouse->position().toPoint();
  if (watched == &m_window) {
    if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
      OnBackgroundDoubleClick(pos);
    else if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton)
      OnBackgroundRightPress(pos, mouse->globalPosition().toPoint());
    return false;  // the window's own handling (focus, dragging) still runs
  }
  CFileListWidget* list = m_window.FileList();
  if (watched == list->viewport() && event->type() == QEvent::MouseButtonDblClick &&
      mouse->button() == Qt::RightButton) {
    if (QTreeWidgetItem* item = list->itemAt(pos))
      ShowPreview(list->ItemText(list->indexOfTopLevelItem(item), kPathColumn));
    return true;
  }
  return false;
}

void CThumbnailFeature::ShowCanvas() {
  m_pCanvas->show();
  m_pCanvas->raise();
  m_pCanvas->update();
}

void CThumbnailFeature::HideCanvas() {
  m_pCanvas->hide();
  for (int id : {kIdPageNext, kIdPagePrevious}) m_window.Control(id)->hide();
}

void CThumbnailFeature::StopIfPlaying() {
  CPlaybackGraph* graph = m_window.Player().Graph();
  if (graph != nullptr && graph->GetState() == PlayState::Running) m_window.OnStop();
}

void CThumbnailFeature::ShowThumbnailPage() {
  // Stop first: Stop puts the page flags back, and they must describe this page.
  StopIfPlaying();
  m_pCanvas->ShowBackdrop(m_sources.backdrop());
  ShowCanvas();
  g_bThumbView = 1;
  const QString folder = m_sources.lastListedFolder ? m_sources.lastListedFolder() : QString();
  if (!folder.isEmpty()) {
    const ThumbnailPageFiles files = FilesOfPage(folder, g_nThumbFirst);
    for (int k = 0; k < kPageCells; ++k) {
      // Cells without a file open nothing, rather than a file of an earlier page.
      g_astrThumbPath[k] = files.paths[k];
      if (k >= files.count) continue;
      const ThumbnailStills stills = GrabThumbnailStills(
          catalog::FileNameBytes(files.paths[k]).toStdString(), kPageSeconds, kPageCellSize);
      if (stills.twoChannels) {
        m_pCanvas->DrawPicture(PageFrontRect(k), stills.front);
        m_pCanvas->DrawPicture(PageRearRect(k), stills.rear);
      } else {
        m_pCanvas->DrawPicture(PageCellRect(k), stills.front);
      }
    }
  }
  g_bThumbsDrawn = 1;
  if (m_window.m_nScreenMode == 1)
    for (int id : {kIdPageNext, kIdPagePrevious}) m_window.Control(id)->show();
}

void CThumbnailFeature::NextPage() {
  const QString folder = m_sources.lastListedFolder ? m_sources.lastListedFolder() : QString();
  if (g_bThumbView != 1 || folder.isEmpty()) return;
  g_nThumbPage += 1;
  g_nThumbFirst += kPageCells;
  ShowThumbnailPage();
}

void CThumbnailFeature::PreviousPage() {
  const QString folder = m_sources.lastListedFolder ? m_sources.lastListedFolder() : QString();
  if (g_bThumbView != 1 || folder.isEmpty() || g_nThumbFirst == 0) return;
  g_nThumbPage -= 1;
  g_nThumbFirst -= kPageCells;
  ShowThumbnailPage();
}

void CThumbnailFeature::OnRowClicked(int row) {
  m_strClickedPath = m_window.FileList()->ItemText(row, kPathColumn);
  m_nClickedRow = row;
  m_bRowClicked = true;
}

void CThumbnailFeature::ShowFrameStrip() {
  if (!m_bRowClicked) return;
  g_bStripShown = 1;
  const QString folder = m_sources.lastListedFolder ? m_sources.lastListedFolder() : QString();
  if (folder.isEmpty()) return;
  StopIfPlaying();
  m_pCanvas->ShowBackdrop(m_sources.backdrop());
  ShowCanvas();
  // The pictures at 1, 4, 7, ... s that exist, as many as the area holds.
  m_nStripCells = 0;
  CStillFrameGrabber grabber;
  if (grabber.Open(catalog::FileNameBytes(m_strClickedPath).toStdString())) {
    for (int cell = 0; cell < kStripCells; ++cell) {
      const QImage picture = grabber.Grab({0, StripCellSeconds(cell), kStripCellSize});
      if (picture.isNull()) break;
      m_pCanvas->DrawPicture(StripCellRect(cell), picture);
      m_nStripCells = cell + 1;
    }
  }
  m_bRowClicked = false;  // the next strip needs a new row click
}

void CThumbnailFeature::ShowPreview(const QString& path) {
  if (path.isEmpty()) return;
  const QImage picture = GrabFrame(catalog::FileNameBytes(path).toStdString(),
                                   {0, kPreviewSeconds, kPreviewScaledSize, PastEnd::LastPicture});
  if (picture.isNull()) return;
  m_pCanvas->DrawCropped(kPreviewTarget, picture);
  ShowCanvas();
}

void CThumbnailFeature::OnBackgroundDoubleClick(QPoint point) {
  if (m_window.m_nScreenMode != 1) return;  // in full screen the background is plain client area
  if (g_bStripShown == 1) {
    g_bStripShown = 0;
    const std::optional<int> cell = StripCellAt(point);
    if (cell && *cell < m_nStripCells) PickStripCell(*cell);
    return;
  }
  if (const std::optional<int> cell = PageCellAt(point)) PickPageCell(*cell);
}

void CThumbnailFeature::PickStripCell(int cell) {
  if (m_strClickedPath.isEmpty()) return;
  if (!m_window.OpenRecording(m_strClickedPath)) {
    m_window.m_nCurrentItem = -1;
    return;
  }
  PlayRow(m_nClickedRow);
  // To the cell's moment through the progress slider, which keeps it in range.
  QSlider* progress = m_window.Slider(kIdProgress);
  {
    const QSignalBlocker block(progress);
    progress->setValue(static_cast<int>(StripCellSeconds(cell) * 1000));
  }
  m_window.Player().SeekMs(progress->value());
  m_window.PlaybackTick();
}

void CThumbnailFeature::PickPageCell(int cell) {
  CFileListWidget* list = m_window.FileList();
  QString path;
  int row = -1;
  if (g_bThumbView == 1) {
    // A shown page opens the recording its cell pictures.
    path = g_astrThumbPath[cell];
    row = RowOfPath(path);
  } else {
    row = g_nThumbFirst + cell;
    path = list->ItemText(row, kPathColumn);
    g_astrThumbPath[cell] = path;
  }
  if (path.isEmpty()) return;
  if (!m_window.OpenRecording(path)) {
    m_window.m_nCurrentItem = -1;
    return;
  }
  PlayRow(row);
}

void CThumbnailFeature::PlayRow(int row) {
  CFileListWidget* list = m_window.FileList();
  const bool listed = row >= 0 && row < list->RowCount();
  list->ClearAllSelected();
  if (listed) {
    m_window.m_nCurrentItem = row;
    list->SetRowSelected(row, true);
  }
  m_window.OnPlayPause();
  if (listed) {
    list->SetPlayingRow(row);
    list->EnsureRowVisible(row);
  } else {
    // The recording is not in the list: no row is the played one.
    list->ClearAllSelected();
    list->SetPlayingRow(-1);
    m_window.m_nCurrentItem = -1;
  }
  list->update();
}

int CThumbnailFeature::RowOfPath(const QString& path) const {
  const CFileListWidget* list = m_window.FileList();
  for (int row = 0; row < list->RowCount(); ++row)
    if (list->ItemText(row, kPathColumn) == path) return row;
  return -1;
}

void CThumbnailFeature::OnBackgroundRightPress(QPoint point, QPoint globalPos) {
  if (g_bThumbsDrawn != 1) return;
  const std::optional<int> cell = PageCellAt(point);
  if (!cell || g_astrThumbPath[*cell].isEmpty()) return;
  QToolTip::showText(globalPos, g_astrThumbPath[*cell], m_pCanvas);
}

}  // namespace motrevix
