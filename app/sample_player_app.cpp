#include "app/sample_player_app.h"

#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/control_ids.h"
#include "app/qt_user_prompt.h"
#include "app/sample_player_dlg.h"
#include "app/scene_graph_backend.h"
#include "app/source_choice.h"
#include "app/startup_list.h"
#include "catalog/card_selection.h"
#include "platform/network_state.h"
#include "view/video_hosts.h"

namespace motrevix {
namespace {

// The embedded browser's sandbox refuses to start as root.
void AllowBrowserAsRoot() {
  if (::geteuid() != 0) return;
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains("--no-sandbox")) return;
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --no-sandbox").trimmed());
}

}  // namespace

int CSamplePlayerApp::Run(int argc, char* argv[]) {
  AllowBrowserAsRoot();
  // Qt WebEngine prints its whole start-up configuration at info level.
  QLoggingCategory::setFilterRules("qt.webenginecontext.info=false");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  UseSoftwareSceneGraphUnlessChosen();
  QApplication app(argc, argv);
  QApplication::setApplicationName("motrevix");
  QApplication::setApplicationVersion("0.1");
  // Wayland desktops take the window's icon and name from the menu entry of this name.
  QGuiApplication::setDesktopFileName(MOTREVIX_APP_ID);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Motrevix: viewer for the recordings of the RD-310 dash camera.\n"
      "Lists the recordings of FOLDER (a card or any folder, at all depths, in name order)\n"
      "or the FILEs given, one row each.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("FOLDER|FILE...", "A card or folder, or recordings, to list.",
                               "[FOLDER | FILE...]");
  const QCommandLineOption folderOption("folder", "List the recordings of DIR.", "DIR");
  const QCommandLineOption onlineOption("online", "Treat the computer as online (map page).");
  const QCommandLineOption offlineOption("offline", "Treat the computer as offline.");
  const QCommandLineOption playOption("play", "Start playing the first listed recording.");
  const QCommandLineOption screenshotOption(
      "screenshot", "Save a picture of the window to FILE after --screenshot-delay and quit.",
      "FILE");
  const QCommandLineOption delayOption("screenshot-delay", "Milliseconds (default 1500).", "MS",
                                       "1500");
  const QCommandLineOption fullScreenOption("full-screen", "Start in the full-screen layout.");
  const QCommandLineOption extendedOption(
      "extended-layout", "Start with the calendar and the hour, minute and second sliders.");
  parser.addOptions({folderOption, onlineOption, offlineOption, playOption, fullScreenOption,
                     extendedOption, screenshotOption, delayOption});
  parser.process(app);

  std::optional<QString> folder;
  if (parser.isSet(folderOption)) folder = parser.value(folderOption);
  const StartupList list = ListFromArguments(folder, parser.positionalArguments());
  if (!list.error.isEmpty()) {
    std::fprintf(stderr, "motrevix: %s\n", qPrintable(list.error));
    return 2;
  }

  MainWindowOptions options;
  if (parser.isSet(onlineOption)) options.forceOnline = true;
  if (parser.isSet(offlineOption)) options.forceOnline = false;

  QtUserPrompt prompt;
  CSamplePlayerDlg window(prompt, options);
  prompt.SetParent(&window);
  // A folder named on the command line is taken as the chosen card, so that its
  // categories work as after OPEN; files are listed as they are.
  if (list.folder.isEmpty())
    window.SetListedRows(list.rows, list.folder);
  else
    ListCard(window, catalog::DriveEntryText(list.folder), list.folder);
  if (parser.isSet(extendedOption))
    QTimer::singleShot(0, &window, [&window] { window.OnCommand(kIdExtendedLayout); });
  if (parser.isSet(fullScreenOption))
    QTimer::singleShot(0, &window, [&window] { window.OnFullScreen(); });
  if (parser.isSet(playOption)) QTimer::singleShot(0, &window, [&window] { window.OnPlayPause(); });
  bool screenshotFailed = false;
  if (parser.isSet(screenshotOption)) {
    const QString file = parser.value(screenshotOption);
    QTimer::singleShot(
        parser.value(delayOption).toInt(), &window, [&window, file, &screenshotFailed] {
          // On a display, the part of the screen that holds the main window and the
          // rear picture's window; offscreen there is only the main window.
          QScreen* screen = window.screen();
          QPixmap picture;
          if (QGuiApplication::platformName() == "xcb" && screen != nullptr) {
            QRect area = window.frameGeometry();
            if (window.RearHost()->isVisible()) area |= window.RearHost()->frameGeometry();
            picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
          } else {
            picture = window.grab();
          }
          const bool saved = picture.save(file);
          if (!saved) std::fprintf(stderr, "motrevix: cannot write %s\n", qPrintable(file));
          screenshotFailed = !saved;
          window.done(QDialog::Accepted);
        });
  }
  // Exit (after its question) and a saved screenshot end the program normally.
  window.exec();
  return screenshotFailed ? 1 : 0;
}

}  // namespace motrevix
