#pragma once
// `CGSensorDlg`: the G-sensor graph window below the front picture. It holds the
// position marker in milliseconds that the playback tick moves; the graph itself
// is drawn from the telemetry container.

#include <QWidget>
#include <cstdint>

namespace motrevix {

class CTextData;

class CGSensorDlg : public QWidget {
  Q_OBJECT

 public:
  explicit CGSensorDlg(QWidget* parent);

  // The samples to draw (owned by the main window; may be null).
  void SetTextData(const CTextData* data);
  // Moves the position marker to a play position.
  void SetMarkerMs(std::int64_t positionMs);
  std::int64_t MarkerMs() const { return m_llMarkerMs; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const CTextData* m_pTextData = nullptr;
  std::int64_t m_llMarkerMs = 0;
};

}  // namespace motrevix
