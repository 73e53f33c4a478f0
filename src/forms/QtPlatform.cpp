#include "forms/QtPlatform.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include "forms/Form.h"

namespace vantel {

int QtPlatform::msgBox(const QString& prompt, const QString& title, int style) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title);
  // Prompts are shown exactly as written, blanks included; a name the user
  // typed into one is never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(prompt);
  switch (msg::icon(style)) {
    case msg::Critical: box.setIcon(QMessageBox::Critical); break;
    case msg::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  if (msg::buttons(style) == msg::YesNo) {
    // Enter answers Yes; Esc and the close box answer No.
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? msg::Yes : msg::No;
  }
  // Enter, Esc and the close box all press OK.
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return msg::Ok;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(title);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  if (auto* label = dialog.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
  dialog.setTextValue(QString());
  // Enter presses OK, Esc Cancel; Cancel gives the empty text.
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtPlatform::printForm(Form& form) { printer_.print(form); }

}  // namespace vantel
