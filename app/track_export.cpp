#include "app/track_export.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QSaveFile>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <sstream>

#include "app/sample_player_dlg.h"
#include "catalog/file_list_widget.h"
#include "playback/text_track/telemetry_track_file.h"
#include "telemetry/gps_fix.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/telemetry_reader.h"

namespace motrevix {
namespace {

enum class TrackFormat { kGpx, kCsv };

struct FormatText {
  const char* entry;
  const char* caption;
  const char* suffix;
  const char* filter;
};

FormatText TextOf(TrackFormat format) {
  if (format == TrackFormat::kGpx)
    return {"Export track as GPX...", "Export track as GPX", "gpx", "GPX track (*.gpx)"};
  return {"Export track as CSV...", "Export track as CSV", "csv", "CSV table (*.csv)"};
}

// The telemetry of a listed recording as its file holds it; nullopt when the
// file cannot be opened as a recording.
std::optional<CTextData> ReadRecordingTelemetry(const QString& path) {
  TelemetryTrackFile track;
  track.SetReadMode(0);
  if (!track.Open(path.toStdString())) return std::nullopt;
  CTextData data;
  ReadTelemetry(&track, data);
  return data;
}

bool HasValidFix(const CTextData& data) {
  return std::any_of(data.m_aGPS.begin(), data.m_aGPS.end(),
                     [](const CGPSData& g) { return FixPosition(g).has_value(); });
}

class TrackExport : public QObject {
 public:
  explicit TrackExport(CSamplePlayerDlg& window) : window_(window) {
    catalog::CFileListWidget* list = window.FileList();
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    // A right double-click on a row previews the recording: the menu of a mouse
    // click waits one double-click interval so that a second click can cancel it.
    pendingMenu_.setSingleShot(true);
    connect(&pendingMenu_, &QTimer::timeout, this, [this] { ShowMenu(pendingAt_); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    catalog::CFileListWidget* list = window_.FileList();
    if (event->type() == QEvent::ContextMenu) {
      const auto* request = static_cast<QContextMenuEvent*>(event);
      if (request->reason() == QContextMenuEvent::Mouse) {
        if (watched != list->viewport()) return false;
        // The second click of a double-click asks again while the first waits.
        if (pendingMenu_.isActive()) {
          pendingMenu_.stop();
          return true;
        }
        pendingAt_ = request->pos();
        pendingMenu_.start(QApplication::doubleClickInterval());
      } else if (QTreeWidgetItem* item = list->currentItem()) {
        // The menu key and Shift+F10: the menu of the current row, at once.
        ShowMenu(list->visualItemRect(item).center());
      }
      return true;
    }
    if (watched == list->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
      pendingMenu_.stop();
    return false;
  }

 private:
  // The menu of the row at a point of the list's viewport.
  void ShowMenu(const QPoint& at) {
    catalog::CFileListWidget* list = window_.FileList();
    QTreeWidgetItem* item = list->itemAt(at);
    if (item == nullptr) return;
    const QString path = list->ItemText(list->indexOfTopLevelItem(item), 3);
    if (path.isEmpty()) return;
    // Read once when the menu opens: it decides the entries and is what is written.
    auto data = std::make_shared<std::optional<CTextData>>(ReadRecordingTelemetry(path));
    const bool hasRecords = *data && (!(*data)->m_aGPS.empty() || !(*data)->m_aGSensor.empty());

    auto* menu = new QMenu(list);
    menu->setObjectName(kTrackExportMenuName);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (TrackFormat format : {TrackFormat::kGpx, TrackFormat::kCsv}) {
      QAction* action = menu->addAction(TextOf(format).entry);
      action->setEnabled(format == TrackFormat::kGpx ? hasRecords && HasValidFix(**data)
                                                     : hasRecords);
      connect(action, &QAction::triggered, this,
              [this, format, path, data] { Export(format, path, **data); });
    }
    menu->popup(list->viewport()->mapToGlobal(at));
  }

  void Export(TrackFormat format, const QString& recording, const CTextData& data) {
    const FormatText text = TextOf(format);
    const QFileInfo source(recording);
    const QString initialName =
        source.dir().filePath(source.completeBaseName() + "." + text.suffix);
    QString chosen = QString::fromStdString(
        window_.Prompt().ChooseSaveFile(text.caption, initialName.toStdString(), text.filter));
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QString(".") + text.suffix;

    std::ostringstream out;
    if (format == TrackFormat::kGpx)
      WriteTelemetryGpx(data, source.fileName().toStdString(), out);
    else
      WriteTelemetryCsv(data, out);
    const std::string bytes = out.str();

    // Written beside the target and renamed over it: a failed write leaves an
    // older file as it was.
    QSaveFile file(chosen);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (!written)
      window_.Prompt().ShowMessage("The track could not be written to \"" + chosen.toStdString() +
                                       "\": " + file.errorString().toStdString(),
                                   text.caption, MessageIcon::Error);
  }

  CSamplePlayerDlg& window_;
  QTimer pendingMenu_;
  QPoint pendingAt_;
};

}  // namespace

void InstallTrackExport(CSamplePlayerDlg& window) {
  window.AddFeature(std::make_shared<TrackExport>(window));
}

}  // namespace motrevix
