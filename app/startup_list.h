#pragma once
// The recordings named on the command line, as file-list rows: each FILE one
// row, or the recordings of a FOLDER (all depths) in name order.

#include <QString>
#include <QStringList>
#include <optional>

#include "catalog/recording_entry.h"

namespace motrevix {

struct StartupList {
  catalog::RecordingRows rows;
  QString folder;  // the listed folder as a root path with a trailing '/', or empty
  QString error;   // why the arguments could not be used; empty when they could
};

// folder: --folder DIR; arguments: the positional arguments (one folder, or
// files). Naming both a folder and files, a missing path or a folder among
// files is an error.
StartupList ListFromArguments(const std::optional<QString>& folder, const QStringList& arguments);

}  // namespace motrevix
