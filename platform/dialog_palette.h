#pragma once
// The dark palette of the viewer's dialogs: light text on charcoal, with the
// dashboard's amber for selections and focus.

#include <QColor>
#include <QPalette>

namespace motrevix {

inline QPalette DarkDialogPalette() {
  QPalette palette;
  const QColor window(0x26, 0x29, 0x2e);
  const QColor base(0x1b, 0x1d, 0x21);
  const QColor text(0xe6, 0xe8, 0xeb);
  const QColor muted(0x7d, 0x83, 0x8c);
  const QColor accent(0xf0, 0xa0, 0x30);
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, window);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, QColor(0x33, 0x37, 0x3d));
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, Qt::white);
  palette.setColor(QPalette::Highlight, accent);
  palette.setColor(QPalette::HighlightedText, QColor(0x10, 0x10, 0x10));
  palette.setColor(QPalette::ToolTipBase, base);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, muted);
  palette.setColor(QPalette::Light, QColor(0x4a, 0x4f, 0x57));
  palette.setColor(QPalette::Midlight, QColor(0x3c, 0x40, 0x47));
  palette.setColor(QPalette::Mid, QColor(0x2c, 0x2f, 0x34));
  palette.setColor(QPalette::Dark, QColor(0x15, 0x17, 0x1a));
  palette.setColor(QPalette::Shadow, Qt::black);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, muted);
  palette.setColor(QPalette::Disabled, QPalette::Base, window);
  return palette;
}

// A combo box's list is a window of its own and does not take its dialog's palette.
template <typename ComboBox>
void UseDarkPopup(ComboBox* combo) {
  combo->view()->setPalette(DarkDialogPalette());
  combo->view()->window()->setPalette(DarkDialogPalette());
}

}  // namespace motrevix
