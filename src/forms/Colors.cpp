#include "forms/Colors.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vantel::colors {
namespace {

double luminance(const QColor& c) {
  const auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double worstContrast(const QColor& color, const QPalette& p) {
  double worst = 21;
  for (QPalette::ColorRole background : {QPalette::Base, QPalette::Window, QPalette::Button})
    worst = std::min(worst, contrast(color, p.color(background)));
  return worst;
}

}  // namespace

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legible(const QColor& color) {
  const QPalette p = QApplication::palette();
  if (worstContrast(color, p) >= kTextContrast) return color;
  const QColor window = p.color(QPalette::Window);
  const int step = contrast(Qt::white, window) > contrast(Qt::black, window) ? 1 : -1;
  QColor shade = color.toHsl();
  const int hue = shade.hslHue(), saturation = shade.hslSaturation();
  for (int l = shade.lightness(); l >= 0 && l <= 255; l += step) {
    shade.setHsl(hue, saturation, l);
    if (worstContrast(shade, p) >= kTextContrast) break;
  }
  return shade.toRgb();
}

QColor navy() { return legible(QColor(0, 0, 128)); }

QColor windowText() { return QApplication::palette().color(QPalette::WindowText); }

QColor tooltipText() {
  const QPalette p = QApplication::palette();
  const QColor tooltip = p.color(QPalette::ToolTipText);
  return contrast(tooltip, p.color(QPalette::Base)) >= kTextContrast ? tooltip
                                                                     : p.color(QPalette::Text);
}

}  // namespace vantel::colors
