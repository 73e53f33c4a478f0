#include "shell/PictureButton.h"

#include "resources/Cursors.h"
#include "resources/Icons.h"

namespace vantel {

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setIconSize(QSize(32, 32));
}

void PictureButton::setPicture(const QString& file) {
  picture_ = file;
  setIcon(artwork::icon(file));
}

void PictureButton::enterEvent(QEnterEvent* event) {
  if (!testAttribute(Qt::WA_SetCursor)) {
    if (pointer_ == QLatin1String("open"))
      setCursor(artwork::openPointer());
    else if (pointer_ == QLatin1String("help"))
      setCursor(artwork::helpPointer());
  }
  QToolButton::enterEvent(event);
}

}  // namespace vantel
