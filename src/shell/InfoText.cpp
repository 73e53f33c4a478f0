#include "shell/InfoText.h"

#include "forms/Controls.h"

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
  QLabel::setText(shownLines(text));
}

QString InfoText::textLines() const { return lineFeedLines(text_); }
void InfoText::setTextLines(const QString& lines) { setText(programLines(lines)); }

}  // namespace vantel
