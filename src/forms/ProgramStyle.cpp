#include "forms/ProgramStyle.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace vantel {
namespace {

// Stands for one standard icon of a style and asks the style for it on the
// first paint, size or pixmap wanted of it.
class OnDemandIconEngine : public QIconEngine {
 public:
  OnDemandIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
      : style_(const_cast<QStyle*>(style)), which_(which), widget_(const_cast<QWidget*>(widget)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  // Menus ask whether their items have icons when they are laid out, long
  // before they open: an icon not read yet counts as there.
  bool isNull() override { return read_ && icon_.isNull(); }
  QString key() const override { return QStringLiteral("vantelOnDemand"); }
  QIconEngine* clone() const override {
    auto* copy = new OnDemandIconEngine(style_, which_, widget_);
    copy->icon_ = icon_;
    copy->read_ = read_;
    return copy;
  }

 private:
  const QIcon& icon() {
    if (!read_) {
      read_ = true;
      // The style may be gone when an icon outlives it; the icon is then empty.
      if (style_) icon_ = style_->standardIcon(which_, nullptr, widget_);
    }
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  QPointer<QWidget> widget_;  // the widget the icon was asked for, while it lives
  QIcon icon_;
  bool read_ = false;
};

// Reads the style's pictures into Qt's pixmap cache while no plugin folder is
// known, so that the built-in PNG reader reads them without the others being
// loaded and tried. The folders are given back at once: any later picture finds
// every reader as before. Should the cache drop the picture later, the style
// reads it again itself.
void readStylePictures() {
  const QStringList folders = QCoreApplication::libraryPaths();
  QCoreApplication::setLibraryPaths({});
  QPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
  QCoreApplication::setLibraryPaths(folders);
}

}  // namespace

ProgramStyle::ProgramStyle() { readStylePictures(); }

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  // An icon asked for with the options of one drawing is read at once: the
  // options do not outlive the call.
  if (option) return QProxyStyle::standardIcon(icon, option, widget);
  return QIcon(new OnDemandIconEngine(baseStyle(), icon, widget));
}

}  // namespace vantel
