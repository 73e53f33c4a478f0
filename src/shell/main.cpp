// Starts the program.
#include <QApplication>

#include "forms/Program.h"
#include "forms/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantel"));
  vantel::QtPlatform platform;
  vantel::Program program(platform);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Tamsford Genealogy Calculator"));
  window.resize(715, 515);
  window.show();
  return QApplication::exec();
}
