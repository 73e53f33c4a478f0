#include "shell/InfoText.h"

namespace vantel {

InfoText::InfoText(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(2);
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  setAutoFillBackground(true);
}

void InfoText::setText(const QString& text) {
  text_ = text;
  QString shown = text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
  QLabel::setText(shown);
}

QString InfoText::textLines() const {
  return QString(text_).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void InfoText::setTextLines(const QString& lines) {
  setText(QString(lines).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

}  // namespace vantel
