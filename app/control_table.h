#pragma once
// The main window's control table: every push button, toggle, check box, slider
// and label with its identifier, the factory that makes it and its caption; the
// tooltips; and the positions no layout gives. A row's factory decides what kind
// of widget the control is, so the kind of a control changes in one row.

#include <QRect>
#include <span>

class QWidget;

namespace motrevix {

struct ControlEntry;
// Makes the control of a row as a child of parent, named and captioned by the row.
using ControlFactory = QWidget* (*)(const ControlEntry& entry, QWidget* parent);

struct ControlEntry {
  int id;
  ControlFactory make;
  const char* caption;
};

struct ControlToolTip {
  int id;
  const char* text;
};

struct ControlPosition {
  int id;
  QRect rect;
};

std::span<const ControlEntry> MainWindowControls();
std::span<const ControlToolTip> MainWindowToolTips();
// Positions that the layouts leave to the controls' start-up geometry.
std::span<const ControlPosition> MainWindowStartPositions();

// The factories: a four-face bitmap push button, a two-state skin button (a
// toggle), a bitmap slider, a text label. The skin's pictures are loaded later
// (main_window_skin.cpp).
QWidget* SkinPushButton(const ControlEntry& entry, QWidget* parent);
QWidget* SkinToggleButton(const ControlEntry& entry, QWidget* parent);
QWidget* SkinSlider(const ControlEntry& entry, QWidget* parent);
QWidget* TextLabel(const ControlEntry& entry, QWidget* parent);

}  // namespace motrevix
