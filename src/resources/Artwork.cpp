#include "resources/Artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
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

namespace {

QImage draw(QSvgRenderer& renderer, QSize pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  return image;
}

QPixmap onScreen(QSvgRenderer& renderer, QSize size) {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QImage image = draw(renderer, size * ratio);
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(std::move(image));
}

}  // namespace

QImage render(const QString& file, QSize pixels) {
  registerArtwork();
  QSvgRenderer renderer(QStringLiteral(":/vantel/") + file);
  return draw(renderer, pixels);
}

QPixmap picture(const QString& file, QSize size) {
  registerArtwork();
  QSvgRenderer renderer(QStringLiteral(":/vantel/") + file);
  return onScreen(renderer, size);
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

QPixmap logo(QSize size) {
  registerArtwork();
  QFile file(QStringLiteral(":/vantel/logo.svg"));
  QByteArray drawing = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  // The lettering and the tree are dark blue on the window's colour. On a dark
  // palette they take the palette's light text colour instead.
  const QPalette palette = QGuiApplication::palette();
  const QColor text = palette.color(QPalette::WindowText);
  if (text.lightness() > palette.color(QPalette::Window).lightness())
    drawing.replace("#1c4a78", text.name().toLatin1());
  QSvgRenderer renderer(drawing);
  return onScreen(renderer, size);
}

}  // namespace vantel::artwork
