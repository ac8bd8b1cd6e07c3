#include "telemetry/map_view.h"

#include <QCoreApplication>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <filesystem>

#include "telemetry/map_page_location.h"
#include "telemetry/number_text.h"

namespace motrevix {

CMapView::CMapView(QWidget* parent) : QWebEngineView(parent) {
  // No page yet: the browser engine (its processes, threads and memory) starts
  // with the first page load, and not at all for a run that shows no map.
  connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
    if (ok) DrawTrack();
  });
}

void CMapView::MakePage() {
  // The page is local; its map tiles come from the tile server.
  settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  if (pageMade_) return;
  pageMade_ = true;
  // Shown before the page existed: the page learns it now.
  page()->setVisible(isVisible());
}

void CMapView::showEvent(QShowEvent* event) {
  if (pageMade_)
    QWebEngineView::showEvent(event);
  else
    QWidget::showEvent(event);  // the base would make the page
}

void CMapView::hideEvent(QHideEvent* event) {
  if (pageMade_)
    QWebEngineView::hideEvent(event);
  else
    QWidget::hideEvent(event);
}

void CMapView::closeEvent(QCloseEvent* event) {
  if (pageMade_)
    QWebEngineView::closeEvent(event);
  else
    QWidget::closeEvent(event);
}

QString CMapView::PagePath() {
  const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();
  return QString::fromStdString(FindMapPage(folder).string());
}

void CMapView::Navigate(const QString& path) {
  MakePage();
  load(QUrl::fromLocalFile(path));
}

void CMapView::ExecuteScript(const std::string& command, ScriptResult done) {
  const std::optional<ScriptCall> call = ParseScriptCommand(command);
  if (!call) {
    if (done) done(QString());
    return;
  }
  CallPageFunction(*call, std::move(done));
}

void CMapView::CallPageFunction(const ScriptCall& call, ScriptResult done) {
  // Before the first load there is no page to call: the call fails as on a
  // blank page.
  if (!pageMade_) {
    if (done) done(QString());
    return;
  }
  const QString source = QString::fromStdString(ScriptCallSource(call));
  if (!done) {
    page()->runJavaScript(source);
    return;
  }
  page()->runJavaScript(source, [done = std::move(done)](const QVariant& result) {
    done(result.isValid() ? result.toString() : QString());
  });
}

void CMapView::SetTrack(std::vector<GeoPosition> track) {
  track_ = std::move(track);
  DrawTrack();
}

void CMapView::DrawTrack() {
  ScriptCall call{"DrawTrack", {}};
  call.arguments.reserve(track_.size() * 2);
  for (const GeoPosition& position : track_) {
    call.arguments.push_back(FixedText(position.latitude, 6));
    call.arguments.push_back(FixedText(position.longitude, 6));
  }
  CallPageFunction(call);
}

}  // namespace motrevix
