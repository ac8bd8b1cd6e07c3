#include "app/keyboard_commands.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>
#include <memory>

#include "app/keyboard_keys.h"
#include "app/sample_player_dlg.h"
#include "view/video_hosts.h"

namespace motrevix {
namespace {

class KeyboardCommands : public QObject {
 public:
  explicit KeyboardCommands(CSamplePlayerDlg& window) : window_(window) {
    // Installed after the window's own filter, so this one sees a key first: the
    // window drops Escape for its controls, and full screen is left before that.
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !IsViewerWindow(widget->window())) return false;
    // A field being typed into keeps its keys.
    if (qobject_cast<const QLineEdit*>(widget) != nullptr ||
        qobject_cast<const QAbstractSpinBox*>(widget) != nullptr)
      return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // The repeat test is left out here: a repeated press that does nothing must
    // still not reach the control with focus (a button would toggle on Space).
    const auto bound = KeyActionFor(key->key(), key->modifiers(), window_.m_nScreenMode, false);
    if (!bound) return false;
    // The release of a key of ours goes nowhere either, so a focused button never
    // completes a click of its own.
    if (type == QEvent::KeyRelease) return true;
    if (const auto action =
            KeyActionFor(key->key(), key->modifiers(), window_.m_nScreenMode, key->isAutoRepeat()))
      Perform(*action);
    return true;
  }

 private:
  bool IsViewerWindow(const QWidget* top) const {
    return top == &window_ || top == window_.RearHost();
  }

  void Perform(const KeyAction& action) {
    if (action.sliderStep != 0) {
      // As a click on the slider's track beside the thumb: a page step and its
      // notification.
      window_.Slider(action.controlId)
          ->triggerAction(action.sliderStep > 0 ? QAbstractSlider::SliderPageStepAdd
                                                : QAbstractSlider::SliderPageStepSub);
      return;
    }
    // As a mouse click: a toggle changes its state, then the command runs.
    window_.Button(action.controlId)->click();
  }

  CSamplePlayerDlg& window_;
};

}  // namespace

void InstallKeyboardCommands(CSamplePlayerDlg& window) {
  window.AddFeature(std::make_shared<KeyboardCommands>(window));
}

}  // namespace motrevix
