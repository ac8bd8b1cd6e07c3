#pragma once
// Where the camera keeps each kind of recording: one folder per kind directly
// below the card root. The kind of a recording is the folder it lies in.
//
// The card root is the card's mount point with one trailing separator
// ("/media/user/CARD/"); a category folder is the root followed directly by
// the folder name ("/media/user/CARD/Event").

#include <QString>
#include <QStringView>
#include <array>

namespace motrevix::catalog {

enum class RecordingCategory { All, Normal, Event, Parking, Motion, Manual };

inline constexpr std::array kRecordingCategories = {
    RecordingCategory::All,     RecordingCategory::Normal, RecordingCategory::Event,
    RecordingCategory::Parking, RecordingCategory::Motion, RecordingCategory::Manual};

// Folder name below the card root: "Normal", "Event", "PARK", "Motion",
// "Manual"; empty for All, which lists the card root itself.
QStringView CategoryFolderName(RecordingCategory category);

// The card root of a mount point: the path with exactly one trailing separator.
QString CardRoot(QStringView mountPoint);

// The folder a category lists: the card root followed by the folder name.
QString CategoryFolder(QStringView cardRoot, RecordingCategory category);

}  // namespace motrevix::catalog
