#include "resources/Icons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "resources/Artwork.h"

namespace vantel::artwork {
namespace {

// Renders its picture once for each size asked, on the first paint at it.
class PictureEngine : public QIconEngine {
 public:
  explicit PictureEngine(QString file) : file_(std::move(file)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, drawn);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    QPixmap& drawn = drawn_[size];
    if (drawn.isNull()) drawn = QPixmap::fromImage(render(file_, size));
    if (mode != QIcon::Disabled || !qApp) return drawn;
    QStyleOption option;
    return QApplication::style()->generatedIconPixmap(QIcon::Disabled, drawn, &option);
  }

  QIconEngine* clone() const override { return new PictureEngine(file_); }
  QString key() const override { return QStringLiteral("vantelPicture"); }

 private:
  QString file_;
  QHash<QSize, QPixmap> drawn_;
};

}  // namespace

QIcon icon(const QString& file) {
  // One icon for each picture, shared by every button that shows it, so it is
  // drawn once at each size. Kept to the end of the process, never destroyed
  // after the application.
  static auto* icons = new QHash<QString, QIcon>;
  auto found = icons->find(file);
  if (found == icons->end()) found = icons->insert(file, QIcon(new PictureEngine(file)));
  return *found;
}

}  // namespace vantel::artwork
