// The fair yardstick: the least any program pays that starts as this one
// does. A bare Qt program shows a window of the splash's size, closes it as
// soon as it is shown (as a key press on the program's splash does), and then
// shows a window of the main window's size holding one line of text and one
// small picture drawn from SVG.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>

#include "ShownProbe.h"

namespace {

const char kPicture[] =
    "<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32'>"
    "<rect x='2' y='2' width='28' height='28' rx='4' fill='#336699'/>"
    "<circle cx='16' cy='16' r='8' fill='#ffcc33'/></svg>";

QPixmap picture() {
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer renderer{QByteArray(kPicture)};
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return QPixmap::fromImage(std::move(image));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget splash;
  splash.setWindowTitle(QStringLiteral("Splash"));
  splash.resize(314, 164);

  QWidget window;
  window.setWindowTitle(QStringLiteral("Fair window"));
  window.resize(715, 534);
  auto* layout = new QHBoxLayout(&window);
  auto* image = new QLabel;
  auto* text = new QLabel(QStringLiteral("One line of text beside a picture."));
  layout->addWidget(image);
  layout->addWidget(text, 1);

  ShownProbe probe([&](QWidget* w) { return w == text; });
  app.installEventFilter(&probe);
  QTimer::singleShot(0, [&] {
    splash.show();
    QTimer::singleShot(0, [&] {
      splash.close();
      image->setPixmap(picture());
      window.show();
    });
  });
  return QApplication::exec();
}
