#include "resources/Artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
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

qreal screenRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

QPixmap onScreen(QSvgRenderer& renderer, QSize size) {
  const qreal ratio = screenRatio();
  QImage image = draw(renderer, size * ratio);
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(std::move(image));
}

// Rendered once for each picture, size and colour: the forms showing the same
// one (the logo on every calculator) and a form opened again share it instead
// of rendering it anew, which was a good part of opening a form. Kept to the
// end of the process, never destroyed after the application.
template <class Make>
QPixmap kept(const QString& what, QSize size, Make make) {
  static auto* drawn = new QHash<QString, QPixmap>;
  const QString key = QStringLiteral("%1 %2x%3 %4")
                          .arg(what)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(screenRatio());
  auto found = drawn->find(key);
  if (found == drawn->end()) found = drawn->insert(key, make());
  return *found;
}

QPixmap drawn(const QString& file, QSize size) {
  registerArtwork();
  QSvgRenderer renderer(QStringLiteral(":/vantel/") + file);
  return onScreen(renderer, size);
}

}  // namespace

QImage render(const QString& file, QSize pixels) {
  registerArtwork();
  QSvgRenderer renderer(QStringLiteral(":/vantel/") + file);
  return draw(renderer, pixels);
}

QPixmap picture(const QString& file, QSize size) {
  return kept(file, size, [&] { return drawn(file, size); });
}

// Shown once: not kept after the splash has gone.
QPixmap splash() { return drawn(QStringLiteral("splash.svg"), QSize(314, 164)); }

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
  // The lettering and the tree are dark blue on the window's colour. On a dark
  // palette they take the palette's light text colour instead.
  const QPalette palette = QGuiApplication::palette();
  const QColor text = palette.color(QPalette::WindowText);
  const bool dark = text.lightness() > palette.color(QPalette::Window).lightness();
  const QString colour = dark ? text.name() : QStringLiteral("#1c4a78");
  return kept(QStringLiteral("logo.svg ") + colour, size, [&] {
    registerArtwork();
    QFile file(QStringLiteral(":/vantel/logo.svg"));
    QByteArray drawing = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    drawing.replace("#1c4a78", colour.toLatin1());
    QSvgRenderer renderer(drawing);
    return onScreen(renderer, size);
  });
}

}  // namespace vantel::artwork
