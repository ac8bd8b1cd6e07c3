#pragma once
// Capture (command 1017): the front picture, and the rear picture of a
// two-channel recording, as JPEG files under a name the user chooses.

namespace motrevix {

class CSamplePlayerDlg;

void InstallSnapshotCommand(CSamplePlayerDlg& window);

}  // namespace motrevix
