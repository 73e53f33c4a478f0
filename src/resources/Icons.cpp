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

QIcon icon(const QString& file) { return QIcon(new PictureEngine(file)); }

}  // namespace vantel::artwork
