#pragma once
// A read-only box of explanatory text that keeps its text exactly as given
// (lines ended by carriage return and line feed) and shows it line by line on
// a white ground, as a multi-line text box does. It is drawn as a label, so a
// page can hold several of them hidden without loading the text editor behind
// the editable boxes; it takes no focus and its text cannot be selected.

#include <QLabel>

namespace vantel {

class InfoText : public QLabel {
  Q_OBJECT
  // The text as a Designer file holds it: lines separated by line feeds, each
  // standing for the carriage return and line feed of the program's texts.
  Q_PROPERTY(QString textLines READ textLines WRITE setTextLines)
 public:
  explicit InfoText(QWidget* parent = nullptr);
  QString text() const { return text_; }
  void setText(const QString& text);
  QString textLines() const;
  void setTextLines(const QString& lines);

 private:
  QString text_;
};

}  // namespace vantel
