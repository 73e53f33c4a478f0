#include "calendar/CheckValues.h"

#include <QLineEdit>

#include "bad/FormBAD.h"
#include "calendar/rules/DateRefusals.h"
#include "dow/DOWcalC.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"

namespace vantel::CheckValues {
namespace {

// The month-length check: the year is not looked at, so a 29th of February
// passes in any year.
void monthLengthCheck(Program& program, Form& form, const QString& month, const QString& day,
                      QWidget* dayBox) {
  if (const auto refusal = monthLengthRefusal(month.toStdString(), day.toStdString())) {
    program.platform().refuse(*refusal);
    form.focusControl(dayBox);
  }
}

bool leapDayOfCommonYear(const QString& month, const QString& day, const QString& year) {
  return vantel::leapDayOfCommonYear(month.toStdString(), day.toStdString(), year.toStdString());
}

// The 29-February check of the Birth-Age-Death form, of its birth or death date.
// A year that is empty, no number or beyond 32 bits (9e99) is left to the
// calculate request to refuse.
void leapDayCheck(Program& program, Form& form, ComboBox* month, ComboBox* day, TextBox* year,
                  bool birth) {
  if (!leapDayOfCommonYear(month->text(), day->text(), year->text())) return;
  program.platform().refuse(badNonLeapYear(year->text().toStdString(), birth));
  form.focusControl(day);
}

}  // namespace

void CheckBirthDate(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  leapDayCheck(program, f, f.cmbBMonth, f.cmbBDay, f.txtBYear, true);
}

void CheckDeathDate(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  leapDayCheck(program, f, f.cmbDMonth, f.cmbDDay, f.txtDYear, false);
}

void CheckBirthMonth(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  monthLengthCheck(program, f, f.cmbBMonth->text(), f.cmbBDay->text(), f.cmbBDay);
}

void CheckDeathMonth(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  monthLengthCheck(program, f, f.cmbDMonth->text(), f.cmbDDay->text(), f.cmbDDay);
}

void CheckDowMonth(Program& program) {
  FormDOW& form = program.form<FormDOW>();
  monthLengthCheck(program, form, form.CmbMth->text(), form.CmbDay->text(), form.CmbDay);
}

void CheckDowDate(Program& program) {
  FormDOW& form = program.form<FormDOW>();
  // A missing or unusable year cannot be tested for a leap year; the computation
  // reports it with its own year messages.
  if (leapDayOfCommonYear(form.CmbMth->text(), form.CmbDay->text(), form.txtYear->text()))
    return ReportDowNonLeapYear(program);
  DOWcalC(program);
}

void ReportDowNonLeapYear(Program& program) {
  FormDOW& form = program.form<FormDOW>();
  program.platform().refuse(dowNonLeapYear(form.txtYear->text().toStdString()));
  form.focusControl(form.CmbDay);
}

void ReturnToTypedText(Form& form, ComboBox* box) {
  const QString typed = box->text();
  form.focusControl(box);
  if (box->text() != typed) box->setText(typed);
  if (QLineEdit* edit = box->lineEdit()) edit->selectAll();
}

}  // namespace vantel::CheckValues
