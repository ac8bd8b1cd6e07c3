#pragma once
// The magnifier "Zoom": every 40 ms it copies the screen, greys out its own
// place in the copy (it never enlarges itself) and shows the area around the
// pointer enlarged to its whole client area.

#include <QDialog>
#include <QPixmap>
#include <QTimer>

namespace motrevix {

class CLensDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kTimerPeriodMs = 40;

  explicit CLensDlg(QWidget* owner);

  // One tick: copies the screen and enlarges the area around the pointer.
  void Refresh();
  // What the last tick shows (client size).
  const QPixmap& Shown() const { return m_shown; }
  bool TimerActive() const { return m_timer.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer m_timer;
  QPixmap m_shown;
};

}  // namespace motrevix
