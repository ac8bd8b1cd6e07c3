#pragma once
// Where the list's recordings come from: a card chosen with OPEN (1012) in the
// drive dialog, or any folder chosen with Folder Open (1162).

#include <QString>

namespace motrevix {

class CSamplePlayerDlg;

void InstallSourceChoice(CSamplePlayerDlg& window);

// OPEN: the drive dialog over the mounted cards, then the chosen card is listed
// whole. False, after the message "Please check the SD card drive.", when the
// user cancelled, no card was there or the text named no folder.
bool SelectDrive(CSamplePlayerDlg& window);

// Folder Open: the folder chooser "Select directory"; a drive root is refused
// with "Select folder in Drive.", any other folder is listed whole and the
// categories stop working until a card is chosen again.
void OpenFolder(CSamplePlayerDlg& window);

// The card at `cardRoot` becomes the chosen card and is listed whole, as the
// drive dialog's OK does, without stopping playback or reloading the map (the
// folder named on the command line).
void ListCard(CSamplePlayerDlg& window, const QString& driveText, const QString& cardRoot);

}  // namespace motrevix
