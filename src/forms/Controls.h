#pragma once
// The controls of the program's forms, on top of Qt's widgets, with the
// behaviour the program's logic relies on: a combo box whose text can be read
// and set as one property, a multi-line box that gives back exactly the text it
// was given, option buttons that can all be cleared from code but not by the
// user, and check boxes with the values 0, 1 and 2.
//
// Each class can stand in a form's Designer file as a promoted widget: its
// constructor takes only the parent, and what the file sets (editable, maximum
// length, text) goes through the class's own setters.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFrame>
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
  explicit ComboBox(QWidget* parent = nullptr);
  ComboBox(QWidget* parent, bool editable) : ComboBox(parent) { setEditable(editable); }
  // The most characters the text of a drop-down combo box holds. A day or a
  // month needs a few; a longer typed or pasted text is cut here. Qt's line
  // edit does work per pasted character that grows with the whole pasted
  // text, so a page-long paste would otherwise freeze the box.
  static constexpr int kTypedTextLimit = 255;
  // A typed text is kept as typed: Qt's completer would turn "Feb" into the
  // item "February" as it is typed, and "april" into "April" on leaving.
  void setEditable(bool editable);
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

 protected:
  bool event(QEvent* event) override;

 private:
  // The field one types into takes the focus in place of the box: screen
  // readers announce it with the box's own name and description.
  void nameTypingField();
};

// A command button whose caption wraps onto further lines when it is wider than
// the button, as the calculators' narrow buttons need.
class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(QWidget* parent = nullptr) : QPushButton(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A single-line text box. Selection start and length as the program sets them:
// a length beyond the text selects to its end.
class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr) : QLineEdit(parent) {}
  void select(int start, int length);
  int selectionLength() const { return selectedText().size(); }
};

// A read-only multi-line box that keeps its text exactly as given (line breaks
// of carriage return and line feed included) and shows it.
class MultiLineText : public QPlainTextEdit {
  Q_OBJECT
  // The text as a Designer file holds it: lines separated by line feeds, each
  // standing for the carriage return and line feed of the program's texts.
  Q_PROPERTY(QString textLines READ textLines WRITE setTextLines)
  // A box whose text may be longer than the box was made for (a sentence with
  // a name in it): such a text is shown whole in a smaller face.
  Q_PROPERTY(bool shrinkToFit MEMBER shrinkToFit_)
 public:
  explicit MultiLineText(QWidget* parent = nullptr);
  QString text() const { return text_; }
  void setText(const QString& text);
  QString textLines() const;
  void setTextLines(const QString& lines);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void fitFace();
  QString text_;
  bool shrinkToFit_ = false;
  bool fitting_ = false;
  QFont face_;  // the face the box was given, before any shrinking
};

// An option button. A click selects it; a click on the selected one leaves it
// selected, even when it is the only option of its frame (Qt would clear a
// lone button). Clearing is for code: setOptionValue.
class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent = nullptr) : QRadioButton(parent) {}

 protected:
  void nextCheckState() override {
    if (!isChecked()) setChecked(true);
  }
};

// Option button value: selecting one clears the others of its frame; clearing
// the last selected one of a frame is allowed too.
void setOptionValue(QRadioButton* button, bool selected);

// The program's texts end their lines with a carriage return and a line feed;
// Designer files and Qt's text boxes with a line feed alone.
QString lineFeedLines(const QString& text);
QString programLines(const QString& lines);
// A text as a box shows it: line-feed lines, without the last line's end.
QString shownLines(const QString& text);

// A dark blue horizontal line, 2 pixels high, as the calculators draw under
// their headings and above their information boxes.
class Line : public QFrame {
  Q_OBJECT
 public:
  explicit Line(QWidget* parent = nullptr);
};

// Check box value: 0 unticked, 1 ticked, 2 greyed.
int checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, int value);

// The control's own visible flag, whether or not its window is shown.
inline bool shown(const QWidget* w) { return !w->isHidden(); }

// Text colour of a text box, label, combo box or check box.
QColor foreColor(const QWidget* w);
void setForeColor(QWidget* w, const QColor& color);

}  // namespace vantel
