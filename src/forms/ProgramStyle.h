#pragma once
// The program's style: the platform's own, kept from reading its pictures
// before they are shown. Reading a picture by file makes Qt load and try every
// image reader it has; none is needed for the pictures of the first windows,
// so that is memory spent at start-up for nothing.
// - Standard icons (the menu bar's overflow arrow, the window menu of a window
//   inside the main window, ...) are read when first painted.
// - The frame picture of a group box, which the Fusion style reads by file on
//   every paint, is read once, at once, with only the built-in reader; Qt's
//   pixmap cache then answers the style's own reads.

#include <QProxyStyle>

namespace vantel {

class ProgramStyle : public QProxyStyle {
 public:
  ProgramStyle();
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace vantel
