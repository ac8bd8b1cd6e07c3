#pragma once
// Paths as the file list shows them.

#include <QString>
#include <QStringView>

namespace motrevix::catalog {

inline constexpr QChar kPathSeparator = u'/';

// `folder` with every run of separators collapsed to one and no trailing
// separator ("/" stays "/"): "/media/card//Event/" gives "/media/card/Event".
QString NormalisedFolder(QStringView folder);

// A normalised folder, one separator, and a name ("/" and "x" give "/x").
QString PathInFolder(const QString& normalisedFolder, QStringView name);

}  // namespace motrevix::catalog
