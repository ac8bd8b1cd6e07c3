#include "app/scene_graph_backend.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

namespace motrevix {

void UseSoftwareSceneGraphUnlessChosen() {
  if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
    return;
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

}  // namespace motrevix
