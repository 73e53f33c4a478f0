#pragma once
// The faces the forms are drawn in. The classic Windows faces come first; where
// they are missing, metric-compatible or plain sans-serif faces stand in, so
// that captions fit the sizes the forms were laid out for.

#include <QFont>
#include <QStringList>

namespace vantel::fonts {

inline QFont face(const QString& family, double points) {
  QFont font;
  font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(points);
  return font;
}

// Captions, buttons, fields: "MS Sans Serif" at 8.25 points.
inline QFont form() { return face(QStringLiteral("MS Sans Serif"), 8.25); }
// The explanatory boxes: "MS Sans Serif" at 9.75 points.
inline QFont explanatory() { return face(QStringLiteral("MS Sans Serif"), 9.75); }
// The census check boxes: the form's face in bold.
inline QFont bold() {
  QFont font = form();
  font.setBold(true);
  return font;
}
// The small field labels: "Small Fonts" at 6.75 points.
inline QFont small() { return face(QStringLiteral("Small Fonts"), 6.75); }

}  // namespace vantel::fonts
