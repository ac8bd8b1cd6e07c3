#pragma once
// The main window's two camera dialogs: CONFIGURATION (command 1016), which
// needs a card, and SD Card Format (command 1210), which stops playback first.

namespace motrevix {

class CSamplePlayerDlg;

void InstallCameraDialogs(CSamplePlayerDlg& window);

}  // namespace motrevix
