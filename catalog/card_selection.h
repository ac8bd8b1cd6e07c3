#pragma once
// Which card the viewer works on: the process-wide selection state written by the
// drive choice and by opening a folder, and the texts of the drive dialog.
//
// A drive entry names a card by its mount point with a trailing separator and the
// words " SD CARD" ("/media/user/CARD/ SD CARD"); the card root is that mount
// point with its separator ("/media/user/CARD/"), to which the category folders
// and the camera's file names are appended.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <string>

namespace motrevix::catalog {

// The chosen entry's whole text, as offered or typed.
extern QString g_strSelectedDrive;
// The card root in the file system's narrow encoding, with a trailing separator;
// empty while no card has been chosen.
extern std::string g_szCardRoot;
// 1 once a card has been chosen; 0 again when a folder is opened instead.
extern std::int32_t g_bCardSelected;
// 1 after a folder was opened; 0 when a card is chosen.
extern std::int32_t g_bFolderMode;

void ResetCardSelection();

inline constexpr QStringView kDriveEntrySuffix = u" SD CARD";

// The drive dialog's entry for a card mounted at `mountPoint`.
QString DriveEntryText(QStringView mountPoint);

// The card root that the text of the drive dialog names: an offered entry, or a
// path the user typed (with or without the " SD CARD" words). Unset when the
// text is empty, not an absolute path or not an existing folder: such a choice
// counts as cancelled, so that nothing is ever written relative to the
// program's working folder.
std::optional<QString> CardRootOfDriveText(QStringView text);

// A card was chosen: the entry's text and its card root become the selection,
// and categories work on it.
void SelectCard(const QString& driveText, const QString& cardRoot);
// A folder was opened instead of a card: the categories stop working.
void SelectFolder();

// The card root as a path of the file list (decoded from the narrow form).
QString CardRootText();

}  // namespace motrevix::catalog
