#pragma once
// The colours the forms use for their texts and lines. The system's colours
// come from the palette the desktop gives; the program's own dark blue is kept
// where it reads on that palette and lightened, in the same hue, where the
// palette is dark.

#include <QColor>

namespace vantel::colors {

// The contrast of two colours, from 1 (none) to 21 (black on white), as the
// accessibility guidelines (WCAG 2) measure it; a text needs 4.5, a line 3.
double contrast(const QColor& a, const QColor& b);
constexpr double kTextContrast = 4.5;
constexpr double kLineContrast = 3.0;

// The colour as given where it reads on the palette's boxes, windows and
// buttons; otherwise the same hue made lighter (on a dark palette) or darker,
// just enough that it does.
QColor legible(const QColor& color);

// Results, result sentences and the calculators' lines: red 0, green 0,
// blue 128, made legible.
QColor navy();
// The system's colour for text in windows.
QColor windowText();
// The system's colour for tooltip text. The instructions boxes show it on the
// box background; a desktop whose tooltip colours do not go with its boxes
// (a dark theme that keeps light tooltips) gets the palette's box text colour.
QColor tooltipText();

}  // namespace vantel::colors
