#pragma once
// The program's own pictures: the splash artwork, the program icon and the
// product logo, drawn as vector images in the resources and rendered here at
// the size a form asks for.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vantel::artwork {

// Any picture of the resources by its file name ("logo.svg"), at that size;
// rendered once for each size and kept for the forms that show it later.
QPixmap picture(const QString& file, QSize size);
// The same picture drawn into an image of exactly that many pixels.
QImage render(const QString& file, QSize pixels);

// The splash artwork, 314 x 164.
QPixmap splash();
// The 32 x 32 program icon, for the main window, the About dialog and the
// Getting Started page.
QIcon programIcon();
// The product logo at the size its form shows it (112 x 63 or 105 x 63), its
// lettering legible on the palette of the desktop.
QPixmap logo(QSize size);

}  // namespace vantel::artwork
