#pragma once
// `CMapView`: the map pane, a web view showing the local page MapView.htm that
// lies beside the executable or in the installed data folder. The viewer talks
// to the page by calling its global functions with string arguments:
// DrawCurrent(lat, lng) for the position at the play position, DrawTrack(lat1,
// lng1, lat2, lng2, ...) for the trip of the open recording, which is drawn
// again whenever the page loads. The page itself, and with it the browser
// engine, is made on the first load.

#include <QString>
#include <QWebEngineView>
#include <functional>
#include <string>
#include <vector>

#include "telemetry/gps_fix.h"
#include "telemetry/script_call.h"

namespace motrevix {

class CMapView : public QWebEngineView {
  Q_OBJECT

 public:
  explicit CMapView(QWidget* parent);

  // The page's path: MapView.htm beside the running executable, else in the
  // installed data folder (FindMapPage).
  static QString PagePath();

  // Loads the page afresh; whatever it had drawn is gone until the next calls.
  void Navigate(const QString& path);

  // Receives a page function's result as text, "" when there is none or the
  // call failed. The call is asynchronous: the result comes later.
  using ScriptResult = std::function<void(const QString& result)>;

  // Calls the page function a command text names ("javascript:DrawCurrent('37.5',
  // '127.0')", see ParseScriptCommand); failures give "" without a message.
  void ExecuteScript(const std::string& command, ScriptResult done = {});
  void CallPageFunction(const ScriptCall& call, ScriptResult done = {});

  // The trip of the open recording: drawn now and after every later load.
  void SetTrack(std::vector<GeoPosition> track);
  const std::vector<GeoPosition>& Track() const { return track_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void DrawTrack();
  // The page, made on the first load.
  void MakePage();

  std::vector<GeoPosition> track_;
  bool pageMade_ = false;
};

}  // namespace motrevix
