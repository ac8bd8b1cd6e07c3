#include "telemetry/gsensor_window.h"

#include <QPainter>
#include <QPolygon>

#include "telemetry/gsensor_graph.h"
#include "telemetry/telemetry_data.h"

namespace motrevix {
namespace {

QColor ToColor(const GraphRgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QPixmap PlainBackground() {
  QPixmap background(kGraphWidth, kGraphHeight);
  background.fill(QColor(22, 25, 29));
  return background;
}

// Pixels of the see-through colour become transparent.
void ClearSeeThroughPixels(QImage& image) {
  const QRgb seeThrough = qRgb(kSeeThroughColour.r, kSeeThroughColour.g, kSeeThroughColour.b);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == seeThrough) line[x] = qRgba(0, 0, 0, 0);
  }
}

}  // namespace

CGSensorDlg::CGSensorDlg(QWidget* parent) : QWidget(parent), m_bmpBackground(PlainBackground()) {
  setObjectName("217");
  resize(kGraphWidth, kGraphHeight);
}

void CGSensorDlg::SetTextData(const CTextData* data) {
  m_pTextData = data;
  update();
}

void CGSensorDlg::SetDurationMs(std::int64_t durationMs) {
  m_llDurationMs = durationMs;
  update();
}

void CGSensorDlg::SetMarkerMs(std::int64_t positionMs) {
  if (positionMs == m_llMarkerMs) return;
  m_llMarkerMs = positionMs;
  update();
}

void CGSensorDlg::SetBackground(const QPixmap& background) {
  m_bmpBackground = background.isNull() ? PlainBackground() : background;
  update();
}

QImage CGSensorDlg::RenderGraph() const {
  QImage canvas = m_bmpBackground.toImage().convertToFormat(QImage::Format_ARGB32);
  static const std::vector<CGSensorData> kNoSamples;
  const GSensorGraphLines lines = GSensorGraph(
      m_pTextData != nullptr ? m_pTextData->m_aGSensor : kNoSamples, m_llDurationMs, m_llMarkerMs);
  {
    QPainter painter(&canvas);
    for (std::size_t axis = 0; axis < lines.curves.size(); ++axis) {
      const std::vector<GraphPoint>& curve = lines.curves[axis];
      if (curve.size() < 2) continue;
      QPolygon polyline(static_cast<int>(curve.size()));
      for (std::size_t i = 0; i < curve.size(); ++i)
        polyline.setPoint(static_cast<int>(i), curve[i].x, curve[i].y);
      painter.setPen(QPen(ToColor(kAxisColours[axis]), kCurvePenWidth, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
      painter.drawPolyline(polyline);
    }
    if (lines.markerX)
      painter.fillRect(QRect(*lines.markerX, 0, 1, kGraphHeight), ToColor(kMarkerColour));
  }
  ClearSeeThroughPixels(canvas);
  return canvas;
}

void CGSensorDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), RenderGraph());
}

}  // namespace motrevix
