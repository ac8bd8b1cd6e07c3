// The stock Qt widgets the control table makes until a skin replaces them.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "app/control_table.h"

namespace motrevix {
namespace {

QFont SmallFont(const QWidget* parent) {
  QFont small = parent->font();
  small.setPixelSize(10);
  return small;
}

QPushButton* MakePushButton(const ControlEntry& entry, QWidget* parent, bool checkable) {
  auto* button = new QPushButton(entry.caption, parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setCheckable(checkable);
  button->setFont(SmallFont(parent));
  return button;
}

}  // namespace

QWidget* StockPushButton(const ControlEntry& entry, QWidget* parent) {
  return MakePushButton(entry, parent, false);
}

QWidget* StockToggleButton(const ControlEntry& entry, QWidget* parent) {
  return MakePushButton(entry, parent, true);
}

QWidget* StockCheckBox(const ControlEntry& entry, QWidget* parent) {
  auto* box = new QCheckBox(entry.caption, parent);
  box->setFont(SmallFont(parent));
  return box;
}

QWidget* StockSlider(const ControlEntry&, QWidget* parent) {
  return new QSlider(Qt::Horizontal, parent);
}

QWidget* StockLabel(const ControlEntry& entry, QWidget* parent) {
  auto* label = new QLabel(entry.caption, parent);
  label->setFont(SmallFont(parent));
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, QColor(80, 80, 80));
  label->setPalette(colours);
  return label;
}

}  // namespace motrevix
