#include "resources/Artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The resources are compiled into a static library, so nothing would pull them
// into the program unless they are registered by hand before first use.
static void registerArtwork() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(vantel);
    return true;
  }();
  (void)registered;
}

namespace vantel::artwork {

QImage render(const QString& file, QSize pixels) {
  registerArtwork();
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/vantel/") + file);
  if (renderer.isValid()) {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  return image;
}

namespace {

QPixmap renderPixmap(const QString& file, QSize size, qreal ratio) {
  QImage image = render(file, size * ratio);
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(std::move(image));
}

qreal screenRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

}  // namespace

QPixmap picture(const QString& file, QSize size) {
  // Rendered once for each picture and size: the forms showing the same one
  // (the logo on every calculator) and a form opened again share it instead
  // of rendering it anew, which was a good part of opening a form. Kept to the
  // end of the process, never destroyed after the application.
  static auto* drawn = new QHash<QString, QPixmap>;
  const qreal ratio = screenRatio();
  const QString key =
      QStringLiteral("%1 %2x%3 %4").arg(file).arg(size.width()).arg(size.height()).arg(ratio);
  auto found = drawn->find(key);
  if (found == drawn->end()) found = drawn->insert(key, renderPixmap(file, size, ratio));
  return *found;
}

// Shown once: not kept after the splash has gone.
QPixmap splash() {
  return renderPixmap(QStringLiteral("splash.svg"), QSize(314, 164), screenRatio());
}

QIcon programIcon() {
  // Made once: the main window, the child forms and the About dialog share it.
  // Kept to the end of the process, never destroyed after the application.
  static const QIcon* icon = [] {
    auto* made = new QIcon;
    for (int side : {16, 32})
      made->addPixmap(picture(QStringLiteral("program.svg"), QSize(side, side)));
    return made;
  }();
  return *icon;
}

QPixmap logo(QSize size) { return picture(QStringLiteral("logo.svg"), size); }

}  // namespace vantel::artwork
