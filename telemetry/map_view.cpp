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
  // The page is local; its map tiles come from the tile server.
  settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
    if (ok) DrawTrack();
  });
}

QString CMapView::PagePath() {
  const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();
  return QString::fromStdString(FindMapPage(folder).string());
}

void CMapView::Navigate(const QString& path) { load(QUrl::fromLocalFile(path)); }

void CMapView::ExecuteScript(const std::string& command, ScriptResult done) {
  const std::optional<ScriptCall> call = ParseScriptCommand(command);
  if (!call) {
    if (done) done(QString());
    return;
  }
  CallPageFunction(*call, std::move(done));
}

void CMapView::CallPageFunction(const ScriptCall& call, ScriptResult done) {
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
