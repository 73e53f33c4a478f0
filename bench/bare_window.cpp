// The yardstick: a bare Qt program showing one empty window of the main
// window's size.
#include <QApplication>
#include <QWidget>

#include "ShownProbe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(715, 534);
  ShownProbe probe([&](QWidget* w) { return w == &window; });
  app.installEventFilter(&probe);
  window.show();
  return QApplication::exec();
}
