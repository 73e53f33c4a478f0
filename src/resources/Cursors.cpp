#include "resources/Cursors.h"

#include <QBitmap>
#include <QImage>

#include "resources/Artwork.h"

namespace vantel::artwork {
namespace {

// Black where the picture is dark, white where it is light, transparent where
// it is clear; every pixel is one of the three.
QCursor monochrome(const QString& file, QPoint hotSpot) {
  const QImage picture = render(file, QSize(32, 32));
  QImage ink(picture.size(), QImage::Format_RGB32), opaque(picture.size(), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      const bool shown = qAlpha(pixel) >= 128;
      // Premultiplied: compare the colour with half the pixel's own opacity.
      const bool dark = shown && qGray(pixel) < qAlpha(pixel) / 2;
      ink.setPixel(x, y, dark ? 0xff000000 : 0xffffffff);
      opaque.setPixel(x, y, shown ? 0xff000000 : 0xffffffff);
    }
  return QCursor(QBitmap::fromImage(ink, Qt::ThresholdDither),
                 QBitmap::fromImage(opaque, Qt::ThresholdDither), hotSpot.x(), hotSpot.y());
}

}  // namespace

// Each made once and kept to the end of the process: a cursor must not be
// destroyed after the application.
QCursor openPointer() {
  static const QCursor* pointer =
      new QCursor(monochrome(QStringLiteral("cursor-open.svg"), QPoint(12, 1)));
  return *pointer;
}

QCursor helpPointer() {
  static const QCursor* pointer =
      new QCursor(monochrome(QStringLiteral("cursor-help.svg"), QPoint(1, 1)));
  return *pointer;
}

}  // namespace vantel::artwork
