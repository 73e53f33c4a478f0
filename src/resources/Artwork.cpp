#include "resources/Artwork.h"

#include <QGuiApplication>
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

QPixmap picture(const QString& file, QSize size) {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QImage image = render(file, size * ratio);
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(std::move(image));
}

QPixmap splash() { return picture(QStringLiteral("splash.svg"), QSize(314, 164)); }

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
