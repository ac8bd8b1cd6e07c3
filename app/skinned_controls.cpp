// The widgets the control table makes: the skinned bitmap buttons, two-state
// skin buttons and bitmap sliders, and the plain text labels. A button's caption
// is carried by its face art, so it is the button's accessible name only.
#include <QLabel>
#include <QPainter>

#include "app/control_table.h"
#include "skin/bit_slider.h"
#include "skin/bitmap_button.h"
#include "skin/skin_button.h"

namespace motrevix {
namespace {

// A text label drawn on the background picture: its text in grey on the
// picture, or, while it shows nothing, a black box.
class CBackgroundLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (text().isEmpty() && pixmap().isNull()) {
      QPainter(this).fillRect(rect(), Qt::black);
      return;
    }
    QLabel::paintEvent(event);
  }
};

}  // namespace

QWidget* SkinPushButton(const ControlEntry& entry, QWidget* parent) {
  auto* button = new CBitmapButton(parent);
  button->setAccessibleName(entry.caption);
  return button;
}

QWidget* SkinToggleButton(const ControlEntry& entry, QWidget* parent) {
  auto* button = new CSkinButton(SkinButtonKind::Toggle, parent);
  button->setAccessibleName(entry.caption);
  return button;
}

QWidget* SkinSlider(const ControlEntry&, QWidget* parent) { return new CBitSlider(parent); }

QWidget* TextLabel(const ControlEntry& entry, QWidget* parent) {
  auto* label = new CBackgroundLabel(entry.caption, parent);
  QFont small = parent->font();
  small.setPixelSize(10);
  label->setFont(small);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, QColor(80, 80, 80));
  label->setPalette(colours);
  return label;
}

}  // namespace motrevix
