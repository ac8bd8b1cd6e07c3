#pragma once
// The map page and the printed report draw through Qt WebEngine, which renders
// through Qt Quick. With Qt Quick's hardware backend the whole main window becomes
// an OpenGL-composed window, and every new picture recomposes all of it (in
// software on a machine without a GPU, three times the CPU of the rest of the
// window). The software backend keeps the window a plain raster window.

namespace motrevix {

// Call before the QApplication is made. QT_QUICK_BACKEND or QSG_RHI_BACKEND in
// the environment still choose the backend.
void UseSoftwareSceneGraphUnlessChosen();

}  // namespace motrevix
