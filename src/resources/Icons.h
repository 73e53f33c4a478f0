#pragma once
// Icons drawn from the vector pictures of the resources when they are first
// painted, at the size they are painted at, so that a window full of icons
// costs nothing before it is shown.

#include <QIcon>
#include <QString>

namespace vantel::artwork {

// The picture of the resources by its file name ("info.svg") as an icon; every
// icon of one picture shares its drawings.
QIcon icon(const QString& file);

}  // namespace vantel::artwork
