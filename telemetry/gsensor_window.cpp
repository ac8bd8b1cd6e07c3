#include "telemetry/gsensor_window.h"

#include <QPainter>

#include "telemetry/telemetry_data.h"

namespace motrevix {

CGSensorDlg::CGSensorDlg(QWidget* parent) : QWidget(parent) { setObjectName("217"); }

void CGSensorDlg::SetTextData(const CTextData* data) {
  m_pTextData = data;
  update();
}

void CGSensorDlg::SetMarkerMs(std::int64_t positionMs) {
  if (positionMs == m_llMarkerMs) return;
  m_llMarkerMs = positionMs;
  update();
}

void CGSensorDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
}

}  // namespace motrevix
