#pragma once
// The program's own mouse pointers: 32 x 32 monochrome cursors drawn from the
// vector pictures of the resources, made once on first use.

#include <QCursor>

namespace vantel::artwork {

// A pointing hand: this picture opens something when clicked.
QCursor openPointer();
// An arrow with a question mark: this picture tells more when clicked.
QCursor helpPointer();

}  // namespace vantel::artwork
