#include "view/picture_file.h"

#include <QImageWriter>
#include <QSaveFile>

namespace motrevix {

std::optional<std::string> WritePictureFile(const QImage& picture, const std::string& path,
                                            const char* format) {
  const QString name = QString::fromStdString(path);
  const auto failure = [&](const QString& why) {
    return QString("The picture could not be saved as %1: %2").arg(name, why).toStdString();
  };
  if (picture.isNull()) return failure("there is no picture");
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
  QImageWriter writer(&file, format);
  if (!writer.write(picture)) {
    file.cancelWriting();
    return failure(writer.errorString());
  }
  if (!file.commit()) return failure(file.errorString());
  return std::nullopt;
}

}  // namespace motrevix
