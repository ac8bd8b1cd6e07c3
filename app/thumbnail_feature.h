#pragma once
// The thumbnail page (1155, with pages 1157 ">" and 1158 "<"), the frame strip of
// the clicked row (1156), the preview of a row (right double-click), and the picks
// by double-click on the main window's free background, which open a recording.

#include <QObject>
#include <QPixmap>
#include <QString>
#include <functional>

namespace motrevix {

class CSamplePlayerDlg;
namespace catalog {
class CThumbnailCanvas;
}

class CThumbnailFeature : public QObject {
  Q_OBJECT

 public:
  struct Sources {
    // The page's and strip's backdrop (633 x 350); unset: the skin's bitmap 319.
    std::function<QPixmap()> backdrop;
    // The folder of the last listing: the page pictures its files.
    std::function<QString()> lastListedFolder;
  };

  CThumbnailFeature(CSamplePlayerDlg& window, Sources sources);

  void ShowThumbnailPage();
  void NextPage();
  void PreviousPage();
  void ShowFrameStrip();
  void ShowPreview(const QString& path);
  // Mouse actions on the main window's free background (client pixels).
  void OnBackgroundDoubleClick(QPoint point);
  void OnBackgroundRightPress(QPoint point, QPoint globalPos);
  // A click on a row of the file list: the strip pictures that row next.
  void OnRowClicked(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowCanvas();
  void HideCanvas();
  void StopIfPlaying();
  void PickStripCell(int cell);
  void PickPageCell(int cell);
  // Selects the row as the played one and plays the open recording.
  void PlayRow(int row);
  int RowOfPath(const QString& path) const;

  CSamplePlayerDlg& m_window;
  Sources m_sources;
  catalog::CThumbnailCanvas* m_pCanvas = nullptr;

  // The row last clicked: its path, its index, and whether a strip may use it.
  QString m_strClickedPath;
  int m_nClickedRow = -1;
  bool m_bRowClicked = false;
  // Strip cells drawn, so a pick only lands on a picture that exists.
  int m_nStripCells = 0;
};

}  // namespace motrevix
