#pragma once
// The colours the forms use for their texts.

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace vantel::colors {

// Results and result sentences: red 0, green 0, blue 128.
inline QColor navy() { return QColor(0, 0, 128); }
// The system's colour for text in windows.
inline QColor windowText() { return QApplication::palette().color(QPalette::WindowText); }
// The system's colour for tooltip text.
inline QColor tooltipText() { return QApplication::palette().color(QPalette::ToolTipText); }

}  // namespace vantel::colors
