#include "calendar/CheckValues.h"

#include "calendar/rules/Calendar.h"
#include "dow/DOWcalC.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"
#include "forms/rules/NumericText.h"

namespace vantel::CheckValues {
namespace {

bool isThirtyDayMonth(const QString& month) {
  for (const char* name : {"September", "April", "June", "November"})
    if (month == QLatin1String(name)) return true;
  return false;
}

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
  const bool tooMany = (isThirtyDayMonth(month) && day == QLatin1String("31")) ||
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

}  // namespace

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

}  // namespace vantel::CheckValues
