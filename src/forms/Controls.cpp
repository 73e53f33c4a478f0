#include "forms/Controls.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtMath>

#include "forms/Accessibility.h"
#include "forms/Colors.h"

namespace vantel {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setInsertPolicy(QComboBox::NoInsert);
  setMaxVisibleItems(13);
}

void ComboBox::setEditable(bool editable) {
  QComboBox::setEditable(editable);
  if (editable) {
    setCompleter(nullptr);
    lineEdit()->setMaxLength(kTypedTextLimit);
  }
  nameTypingField();
}

bool ComboBox::event(QEvent* event) {
  // The form's Designer file names the box after making it editable; by the
  // time the box is shown its name is known.
  if (event->type() == QEvent::Show) nameTypingField();
  return QComboBox::event(event);
}

void ComboBox::nameTypingField() {
  QLineEdit* field = lineEdit();
  if (!field) return;
  field->setAccessibleName(accessibleName());
  field->setAccessibleDescription(accessibleDescription().isEmpty() ? toolTip()
                                                                    : accessibleDescription());
}

void ComboBox::setText(const QString& text) {
  if (isEditable()) {
    setEditText(text);
    return;
  }
  setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ComboBox::addListItem(const QString& item) {
  // Qt makes the first item added to an empty list the current one.
  const QString before = text();
  addItem(item);
  if (text() != before) setText(before);
}

QStringList ComboBox::listItems() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

void CommandButton::paintEvent(QPaintEvent* event) {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
  if (fontMetrics().horizontalAdvance(QString(text()).remove(QLatin1Char('&'))) <=
      textArea.width()) {
    QPushButton::paintEvent(event);  // fits on one line: the style draws it as usual
    return;
  }
  QStylePainter painter(this);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(textArea, flags, text());
}

void TextBox::select(int start, int length) {
  const int from = qBound(0, start, static_cast<int>(text().size()));
  setSelection(from, qMin(length, static_cast<int>(text().size()) - from));
}

MultiLineText::MultiLineText(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Like the boxes it stands for, it shows no scroll bars; the texts are sized
  // to their boxes.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(2);
}

void MultiLineText::setText(const QString& text) {
  text_ = text;
  if (shrinkToFit_) fitFace();
  setPlainText(shownLines(text));
}

void MultiLineText::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange && !fitting_) face_ = font();
  QPlainTextEdit::changeEvent(event);
}

void MultiLineText::fitFace() {
  // The largest face, down from the given one, in which the wrapped text fits
  // the box's height; never below 5 points, where a text stays readable on the
  // printed page.
  if (face_.pointSizeF() <= 0) return;
  const int margin = qCeil(document()->documentMargin());
  const QRect room = contentsRect().adjusted(margin, margin, -margin, -margin);
  QFont face = face_;
  for (qreal size = face_.pointSizeF(); size >= 5; size -= 0.25) {
    face.setPointSizeF(size);
    const QRect needs = QFontMetrics(face).boundingRect(QRect(0, 0, room.width(), 10000),
                                                        Qt::TextWordWrap, shownLines(text_));
    if (needs.height() <= room.height()) break;
  }
  fitting_ = true;
  setFont(face);
  fitting_ = false;
}

QString MultiLineText::textLines() const { return lineFeedLines(text_); }
void MultiLineText::setTextLines(const QString& lines) { setText(programLines(lines)); }

QString lineFeedLines(const QString& text) {
  return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString programLines(const QString& lines) {
  return QString(lines).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString shownLines(const QString& text) {
  QString shown = lineFeedLines(text);
  if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
  return shown;
}

void setOptionValue(QRadioButton* button, bool selected) {
  if (selected || !button->isChecked()) {
    button->setChecked(selected);
    return;
  }
  // Qt refuses to clear the last selected button of an exclusive group.
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

Line::Line(QWidget* parent) : QFrame(parent) {
  describeFormsToScreenReaders();  // a line is not announced
  setFrameShape(QFrame::NoFrame);
  // Its own role: a form that paints itself in another colour must not hide it.
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, colors::navy());
  setPalette(p);
}

int checkValue(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void setCheckValue(QCheckBox* box, int value) {
  if (value == 2) box->setTristate(true);
  box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

namespace {
bool isEditBox(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QComboBox*>(w);
}
}  // namespace

QColor foreColor(const QWidget* w) {
  return w->palette().color(isEditBox(w) ? QPalette::Text : w->foregroundRole());
}

void setForeColor(QWidget* w, const QColor& color) {
  QPalette p = w->palette();
  if (isEditBox(w)) {
    p.setColor(QPalette::Text, color);
  } else {
    // A label paints with the text colour that goes with its background: the
    // window's, or the button face's inside a frame filled with that grey.
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
  }
  w->setPalette(p);
}

}  // namespace vantel
