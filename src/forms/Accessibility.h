#pragma once
// What screen readers are told about the form layer's own widgets, beyond what
// Qt tells them by itself:
// - a form that is a window of its own (the main window, the About dialog, the
//   splash) is announced as a window or a dialog, with its caption, where Qt
//   would announce a plain widget as an unnamed filler;
// - a line (the dark-blue ones, and any frame drawn as a line) is decoration:
//   it is never announced.
// Everything else (captions, accessible names, tooltips as descriptions, text)
// is Qt's own accessibility of the widgets.

namespace vantel {

// Teaches Qt's accessibility the above; safe to call any number of times.
void describeFormsToScreenReaders();

}  // namespace vantel
