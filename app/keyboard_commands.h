#pragma once
// The main window's keys (app/keyboard_keys.h) working its controls: a key
// clicks its button or page-steps its slider, so it reaches the same command
// through the command router as the mouse does.

namespace motrevix {

class CSamplePlayerDlg;

void InstallKeyboardCommands(CSamplePlayerDlg& window);

}  // namespace motrevix
