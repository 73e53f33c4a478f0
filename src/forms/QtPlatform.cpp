#include "forms/QtPlatform.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "forms/Form.h"

namespace vantel {

int QtPlatform::msgBox(const QString& prompt, const QString& title, int style) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title);
  box.setText(prompt);
  switch (msg::icon(style)) {
    case msg::Critical: box.setIcon(QMessageBox::Critical); break;
    case msg::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  if (msg::buttons(style) == msg::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? msg::Yes : msg::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return msg::Ok;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setTextValue(QString());
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtPlatform::printForm(Form& form) {
  // Printing on paper arrives with the main window; until then the user is told.
  msgBox(QStringLiteral("Printing is not available in this version."), form.windowTitle(),
         msg::Information);
}

}  // namespace vantel
