#include "telemetry/gsensor_window.h"

#include <QLine>
#include <QList>
#include <QPainter>
#include <optional>

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
  m_curvesLayer = QImage();
  update();
}

void CGSensorDlg::SetDurationMs(std::int64_t durationMs) {
  m_llDurationMs = durationMs;
  m_curvesLayer = QImage();
  update();
}

void CGSensorDlg::SetMarkerMs(std::int64_t positionMs) {
  if (positionMs == m_llMarkerMs) return;
  m_llMarkerMs = positionMs;
  update();
}

void CGSensorDlg::SetBackground(const QPixmap& background) {
  m_bmpBackground = background.isNull() ? PlainBackground() : background;
  m_curvesLayer = QImage();
  update();
}

const QImage& CGSensorDlg::CurvesLayer() const {
  if (!m_curvesLayer.isNull()) return m_curvesLayer;
  QImage canvas = m_bmpBackground.toImage().convertToFormat(QImage::Format_ARGB32);
  static const std::vector<CGSensorData> kNoSamples;
  const GSensorGraphLines lines = GSensorGraph(
      m_pTextData != nullptr ? m_pTextData->m_aGSensor : kNoSamples, m_llDurationMs, 0);
  {
    QPainter painter(&canvas);
    for (std::size_t axis = 0; axis < lines.curves.size(); ++axis) {
      // Segment by segment with round ends, as a wide pen draws a run of line-tos;
      // one long stroked path would cost seconds for an hour of samples.
      const std::vector<GraphPoint>& curve = lines.curves[axis];
      QList<QLine> segments;
      segments.reserve(static_cast<qsizetype>(curve.size()));
      for (std::size_t i = 1; i < curve.size(); ++i) {
        const QPoint from(curve[i - 1].x, curve[i - 1].y);
        const QPoint to(curve[i].x, curve[i].y);
        if (from != to) segments.push_back(QLine(from, to));
      }
      painter.setPen(QPen(ToColor(kAxisColours[axis]), kCurvePenWidth, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
      painter.drawLines(segments);
    }
  }
  ClearSeeThroughPixels(canvas);
  m_curvesLayer = canvas;
  return m_curvesLayer;
}

QImage CGSensorDlg::RenderGraph() const {
  QImage graph = CurvesLayer();
  static const std::vector<CGSensorData> kNoSamples;
  const std::optional<int> markerX = GSensorGraph(kNoSamples, m_llDurationMs, m_llMarkerMs).markerX;
  if (markerX) {
    QPainter painter(&graph);
    painter.fillRect(QRect(*markerX, 0, 1, kGraphHeight), ToColor(kMarkerColour));
  }
  return graph;
}

void CGSensorDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), RenderGraph());
}

}  // namespace motrevix
