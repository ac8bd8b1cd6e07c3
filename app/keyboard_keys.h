#pragma once
// The main window's keys: which control a key works, and the key names the
// tooltips show. A key clicks its button (or steps its slider) so that it runs
// the very command the mouse runs; this file only decides which one.

#include <QString>
#include <Qt>
#include <optional>

namespace motrevix {

struct KeyAction {
  // The control the key works.
  int controlId = 0;
  // 0: click the button; +1 / -1: one page step of the slider up or down.
  int sliderStep = 0;
};

// The action of a key press in the main window for the screen mode (1 windowed,
// 2 full screen); none for keys the window leaves to its controls. Keys with
// Ctrl, Alt or Meta are never the window's. A held key repeats the skips, the
// frame step and the volume only: a toggle stays where the first press put it.
std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers, int screenMode,
                                      bool autoRepeat);

// A control's tooltip with the keys that work it, "Play (Space)"; the text
// unchanged for a control without keys.
QString ToolTipWithKeys(int controlId, const QString& text);

}  // namespace motrevix
