#include "calendar/CheckValues.h"

#include <QLineEdit>

#include "bad/FormBAD.h"
#include "calendar/rules/Calendar.h"
#include "dow/DOWcalC.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"
#include "forms/rules/NumericText.h"

namespace vantel::CheckValues {
namespace {

// The month-length message for the month text, whatever the day: the day box
// gets the focus.
void tooManyDays(Program& program, Form& form, const QString& month, QWidget* dayBox) {
  const QString rest =
      month == QLatin1String("February")
          ? QStringLiteral(
                " has a maximum of 29 days (Leap Year), please pick another day or enter a "
                "different Month.")
          : QStringLiteral(
                " only has 30 days, please pick another day or enter a different Month.");
  program.platform().msgBox(month + rest, QStringLiteral("Too Many Days!"), msg::Information);
  form.focusControl(dayBox);
}

// The month-length check: the year is not looked at, so a 29th of February
// passes in any year.
void monthLengthCheck(Program& program, Form& form, const QString& month, const QString& day,
                      QWidget* dayBox) {
  const bool tooMany = (isThirtyDayMonth(month.toStdString()) && day == QLatin1String("31")) ||
                       (month == QLatin1String("February") &&
                        (day == QLatin1String("30") || day == QLatin1String("31")));
  if (tooMany) tooManyDays(program, form, month, dayBox);
}

// The year of a 29th of February, when the text gives one within 32 bits.
std::optional<std::int32_t> leapDayYear(const QString& month, const QString& day,
                                        const QString& year) {
  if (day != QLatin1String("29") || month != QLatin1String("February")) return std::nullopt;
  return toInt32(year.toStdString());
}

// The 29-February check of the Birth-Age-Death form; the wording names the
// birth or the death.
void leapDayCheck(Program& program, Form& form, ComboBox* month, ComboBox* day, TextBox* year,
                  const QString& wording, const QString& title) {
  if (year->text().isEmpty() || day->text().isEmpty() || !isNumeric(year->text().toStdString()))
    return;
  // A number beyond 32 bits (9e99) is left to the calculate request to refuse.
  const auto y = leapDayYear(month->text(), day->text(), year->text());
  if (!y || isLeapYear(*y)) return;
  program.platform().msgBox(
      year->text() +
          QStringLiteral(" is not a leap year and therefore only has 28 days, please "
                         "pick another ") +
          wording + QStringLiteral(" day or enter a different ") + wording +
          QStringLiteral(" year."),
      title, msg::Information);
  form.focusControl(day);
}

}  // namespace

void CheckBirthDate(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  leapDayCheck(program, f, f.cmbBMonth, f.cmbBDay, f.txtBYear, QStringLiteral("birth"),
               QStringLiteral("Non Leap Year! (Birth)"));
}

void CheckDeathDate(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  leapDayCheck(program, f, f.cmbDMonth, f.cmbDDay, f.txtDYear, QStringLiteral("death"),
               QStringLiteral("Non Leap Year! (Death)"));
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
  const auto year = leapDayYear(form.CmbMth->text(), form.CmbDay->text(), form.txtYear->text());
  if (year && !isLeapYear(*year)) return ReportDowNonLeapYear(program);
  DOWcalC(program);
}

void ReportDowTooManyDays(Program& program) {
  FormDOW& form = program.form<FormDOW>();
  tooManyDays(program, form, form.CmbMth->text(), form.CmbDay);
}

void ReportDowNonLeapYear(Program& program) {
  FormDOW& form = program.form<FormDOW>();
  program.platform().msgBox(
      form.txtYear->text() +
          QStringLiteral(" is not a leap year and therefore only has 28 days, please select "
                         "another day or enter a different year."),
      QStringLiteral("Non Leap Year!"), msg::Information);
  form.focusControl(form.CmbDay);
}

void ReturnToTypedText(Form& form, ComboBox* box) {
  const QString typed = box->text();
  form.focusControl(box);
  if (box->text() != typed) box->setText(typed);
  if (QLineEdit* edit = box->lineEdit()) edit->selectAll();
}

}  // namespace vantel::CheckValues
