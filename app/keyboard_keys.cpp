#include "app/keyboard_keys.h"

#include "app/control_ids.h"

namespace motrevix {
namespace {

struct KeyRow {
  int key;
  KeyAction action;
  bool repeats;
};

// F11 and Escape depend on the screen mode and are not in this table.
constexpr KeyRow kKeys[] = {
    {Qt::Key_Space, {kIdPlay, 0}, false},
    {Qt::Key_Left, {kIdSecondBack, 0}, true},
    {Qt::Key_Right, {kIdSecondNext, 0}, true},
    {Qt::Key_Period, {kIdFrameStep, 0}, true},
    {Qt::Key_PageUp, {kIdPrevious, 0}, false},
    {Qt::Key_PageDown, {kIdNext, 0}, false},
    {Qt::Key_M, {kIdMute, 0}, false},
    // "+" is Shift+= on most layouts; "=" alone counts as well.
    {Qt::Key_Plus, {kIdVolume, +1}, true},
    {Qt::Key_Equal, {kIdVolume, +1}, true},
    {Qt::Key_Minus, {kIdVolume, -1}, true},
};

struct KeyName {
  int controlId;
  const char* keys;
};

constexpr KeyName kKeyNames[] = {
    {kIdPlay, "Space"},       {kIdSecondBack, "Left"},
    {kIdSecondNext, "Right"}, {kIdFrameStep, "."},
    {kIdPrevious, "Page Up"}, {kIdNext, "Page Down"},
    {kIdMute, "M; + / -"},    {kIdVolume, "+ / -"},
    {kIdFullScreen, "F11"},   {kIdOriginalScreen, "F11, Esc"},
};

}  // namespace

std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers, int screenMode,
                                      bool autoRepeat) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  const bool fullScreen = screenMode == 2;
  if (key == Qt::Key_F11) {
    if (autoRepeat) return std::nullopt;
    return KeyAction{fullScreen ? kIdOriginalScreen : kIdFullScreen, 0};
  }
  if (key == Qt::Key_Escape) {
    // Escape only ever leaves full screen; it never closes anything.
    if (autoRepeat || !fullScreen) return std::nullopt;
    return KeyAction{kIdOriginalScreen, 0};
  }
  for (const KeyRow& row : kKeys)
    if (row.key == key) {
      if (autoRepeat && !row.repeats) return std::nullopt;
      return row.action;
    }
  return std::nullopt;
}

QString ToolTipWithKeys(int controlId, const QString& text) {
  for (const KeyName& name : kKeyNames)
    if (name.controlId == controlId) return QString("%1 (%2)").arg(text, name.keys);
  return text;
}

}  // namespace motrevix
