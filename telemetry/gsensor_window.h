#pragma once
// `CGSensorDlg`: the G-sensor graph window below the front picture (714 x 67).
// Every paint shows the background, the three axes of the whole recording and
// the position marker (telemetry/gsensor_graph.h holds the arithmetic). The
// background with the curves is kept until the samples, the duration or the
// background change, so a tick only draws the marker anew. Background pixels
// of pure green (0, 255, 0) are see-through.

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace motrevix {

class CTextData;

class CGSensorDlg : public QWidget {
  Q_OBJECT

 public:
  explicit CGSensorDlg(QWidget* parent);

  // The samples to draw (owned by the main window; may be null). Call it again
  // when the samples behind the pointer change (a recording was opened).
  void SetTextData(const CTextData* data);
  // The open recording's duration; 0 or less shows the bare background.
  void SetDurationMs(std::int64_t durationMs);
  // Moves the position marker to a play position (0: no marker).
  void SetMarkerMs(std::int64_t positionMs);
  std::int64_t MarkerMs() const { return m_llMarkerMs; }
  // The graph background (714 x 67); a null pixmap brings the plain dark one back.
  void SetBackground(const QPixmap& background);

  // The graph as the window paints it, see-through pixels transparent.
  QImage RenderGraph() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The background with the curves, see-through pixels transparent.
  const QImage& CurvesLayer() const;

  const CTextData* m_pTextData = nullptr;
  std::int64_t m_llDurationMs = 0;
  std::int64_t m_llMarkerMs = 0;
  QPixmap m_bmpBackground;
  mutable QImage m_curvesLayer;
};

}  // namespace motrevix
