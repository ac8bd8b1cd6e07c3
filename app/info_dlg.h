#pragma once
// `CInfoDlg`: the information window with the player's version, the model and
// a link to the maker's web address.

#include <QDialog>
#include <QLabel>
#include <functional>

namespace motrevix {

// A label drawn as a link: magenta text on a transparent background, the hand
// cursor while the mouse is over it, and a click opens its address.
class CLinkLabel : public QLabel {
  Q_OBJECT

 public:
  CLinkLabel(const QString& address, QWidget* parent);
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class CInfoDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kAddress = "https://www.rd310-dashcam.example/";

  explicit CInfoDlg(QWidget* owner);
  // Opens an address; the default opens it in the desktop's browser.
  std::function<void(const QString& address)> openAddress;
  CLinkLabel* Link() const { return m_pLink; }

 private:
  CLinkLabel* m_pLink;
};

}  // namespace motrevix
