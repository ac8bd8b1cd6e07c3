#pragma once
// The rules of the file list's filters and of Folder Open, without widgets: what
// follows the hour and minute listings, and which chosen folders are refused.

#include <QString>
#include <QStringView>
#include <string>
#include <vector>

namespace motrevix::catalog {

// What the list does after an hour or minute listing.
enum class FilterFollowUp {
  Stop,          // nothing listed: playback stops
  PlayFirstRow,  // the first listed row opens and plays
  KeepList,      // the rows are shown and nothing else happens
};

// The file name of a path of the list (the text after its last separator). The
// time fields are read from it alone: a mount path has underscores of its own.
QStringView FileNameOfPath(QStringView path);

// After the hour listing. `followingPath` is the path of the row that followed
// the selected one (the first row when none was selected) before the listing;
// empty when there was none. Playback goes on in the chosen hour when that
// recording lies in it.
FilterFollowUp HourFilterFollowUp(QStringView followingPath, int selectedHour, bool listEmpty);

// After the minute listing: as the hour listing, when the following recording
// lies in the chosen minute of the current hour.
FilterFollowUp MinuteFilterFollowUp(QStringView followingPath, int selectedMinute, int currentHour,
                                    bool listEmpty);

enum class ChosenFolder {
  Cancelled,  // no folder was chosen
  DriveRoot,  // the root of a drive: "/" or a mount point
  Listable,
};

// A folder chosen with Folder Open, given the mount points of the system.
ChosenFolder ClassifyChosenFolder(QStringView path, const std::vector<std::string>& mountPoints);

}  // namespace motrevix::catalog
