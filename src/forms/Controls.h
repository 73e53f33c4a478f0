#pragma once
// The controls of the program's forms, on top of Qt's widgets, with the
// behaviour the program's logic relies on: a combo box whose text can be read
// and set as one property, a multi-line box that gives back exactly the text it
// was given, option buttons that can all be cleared, and check boxes with the
// values 0, 1 and 2.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace vantel {

// A drop-down list (editable = false: only list items can be chosen) or a
// drop-down combo box (editable = true: any text may be typed).
class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent, bool editable);
  QString text() const { return currentText(); }
  // A drop-down list shows the text only when it is one of its items.
  void setText(const QString& text);
  // Empties the list, which also empties the text.
  void clearList() {
    clear();
    if (isEditable()) clearEditText();  // Qt keeps a typed text otherwise
  }
  // Adds an item at the end of the list; the box's text stays as it was.
  void addListItem(const QString& item);
  QStringList listItems() const;
};

// A command button whose caption wraps onto further lines when it is wider than
// the button, as the calculators' narrow buttons need.
class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(QWidget* parent) : QPushButton(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A single-line text box. Selection start and length as the program sets them:
// a length beyond the text selects to its end.
class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent) : QLineEdit(parent) {}
  void select(int start, int length);
  int selectionLength() const { return selectedText().size(); }
};

// A read-only multi-line box that keeps its text exactly as given (line breaks
// of carriage return and line feed included) and shows it.
class MultiLineText : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit MultiLineText(QWidget* parent);
  QString text() const { return text_; }
  void setText(const QString& text);

 private:
  QString text_;
};

// Option button value: selecting one clears the others of its frame; clearing
// the last selected one of a frame is allowed too.
void setOptionValue(QRadioButton* button, bool selected);

// Check box value: 0 unticked, 1 ticked, 2 greyed.
int checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, int value);

// The control's own visible flag, whether or not its window is shown.
inline bool shown(const QWidget* w) { return !w->isHidden(); }

// Text colour of a text box, label, combo box or check box.
QColor foreColor(const QWidget* w);
void setForeColor(QWidget* w, const QColor& color);

}  // namespace vantel
