#include "calendar/CheckValues.h"

#include <QLineEdit>

#include "calendar/rules/DateRefusals.h"
#include "forms/Controls.h"
#include "forms/Program.h"

namespace vantel {

void refuse(Form& form, const Refusal& message, QWidget* box, Correction correction,
            int entryLength) {
  form.program().platform().refuse(message);
  if (auto* list = qobject_cast<ComboBox*>(box); list && correction == Correction::SelectTyped)
    return CheckValues::ReturnToTypedText(form, list);
  form.focusControl(box);
  if (auto* text = qobject_cast<TextBox*>(box); text && correction == Correction::SelectEntry)
    text->select(0, entryLength);
}

namespace CheckValues {

void CheckMonthLength(Form& form, const ComboBox* month, ComboBox* day) {
  if (const auto refusal =
          monthLengthRefusal(month->text().toStdString(), day->text().toStdString()))
    refuse(form, *refusal, day);
}

void ReturnToTypedText(Form& form, ComboBox* box) {
  const QString typed = box->text();
  form.focusControl(box);
  if (box->text() != typed) box->setText(typed);
  if (QLineEdit* edit = box->lineEdit()) edit->selectAll();
}

}  // namespace CheckValues
}  // namespace vantel
