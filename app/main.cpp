// The Motrevix viewer.
#include <QApplication>
#include <QCommandLineParser>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("motrevix");
  QApplication::setApplicationVersion("0.1");

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Motrevix: viewer for the recordings of the RD-310 dash camera.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("folder", "A card or folder of recordings to show.", "[folder]");
  parser.process(app);

  QWidget window;
  window.setWindowTitle("Motrevix");
  window.resize(1024, 700);
  window.show();
  return QApplication::exec();
}
