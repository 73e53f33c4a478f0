#include "calendar/CheckValues.h"

#include <QLineEdit>

#include "calendar/rules/DateRefusals.h"
#include "forms/Controls.h"
#include "forms/Program.h"

namespace vantel::CheckValues {

void CheckMonthLength(Form& form, const ComboBox* month, ComboBox* day) {
  if (const auto refusal =
          monthLengthRefusal(month->text().toStdString(), day->text().toStdString())) {
    form.program().platform().refuse(*refusal);
    form.focusControl(day);
  }
}

void ReturnToTypedText(Form& form, ComboBox* box) {
  const QString typed = box->text();
  form.focusControl(box);
  if (box->text() != typed) box->setText(typed);
  if (QLineEdit* edit = box->lineEdit()) edit->selectAll();
}

}  // namespace vantel::CheckValues
