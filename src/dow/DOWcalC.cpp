#include "dow/DOWcalC.h"

#include <string>

#include "calendar/CheckValues.h"
#include "calendar/rules/Calendar.h"
#include "calendar/rules/WholeNumberText.h"
#include "dow/FormDOW.h"
#include "forms/Colors.h"
#include "forms/Program.h"
#include "forms/rules/NumericText.h"

namespace vantel {
namespace {

void refuse(Program& program, QWidget* field, const char* prompt, const char* title, int icon) {
  program.platform().msgBox(QString::fromLatin1(prompt), QString::fromLatin1(title), icon);
  program.form<FormDOW>().focusControl(field);
}

// Years 0 to 9999 keep every term of the congruence within 16 bits; a number
// beyond them (4 characters in exponent notation, such as 1e5) is no year.
std::optional<std::int16_t> usableYear(const QString& text) {
  const std::string t = text.toStdString();
  const auto value = toDouble(t);
  if (!value || *value < 0) return std::nullopt;
  const auto year = toInt16(t);
  if (!year || *year > 9999) return std::nullopt;
  return year;
}

void showResult(FormDOW& form, std::string_view weekday) {
  form.TxtDay->setText(QString::fromLatin1(weekday.data(), static_cast<int>(weekday.size())));
  setForeColor(form.TxtDay, colors::navy());
  form.TextHowto->setText(
      QStringLiteral("The day of the week for the date you entered is displayed above."));
  setForeColor(form.TextHowto, colors::navy());
  form.Frame2->setTitle(QStringLiteral("Results"));
  const bool printable = !form.TxtDay->text().isEmpty();
  form.CmdPrintForm->setEnabled(printable);
  form.mnuPrint->setEnabled(printable);
}

}  // namespace

void DOWcalC(Program& program) {
  FormDOW& form = program.form<FormDOW>();
  const QString month = form.CmbMth->text();
  const QString dayText = form.CmbDay->text();

  if (month.isEmpty())
    return refuse(program, form.CmbMth, "Please select a Month", "Missing Month Field!",
                  msg::Information);
  if (dayText.isEmpty())
    return refuse(program, form.CmbDay, "Please select a Day", "Missing Day Field!",
                  msg::Information);
  if (form.txtYear->text().isEmpty())
    return refuse(program, form.txtYear, "Please enter a year.", "Missing year Field!",
                  msg::Information);
  const auto year = usableYear(form.txtYear->text());
  if (!year) {
    refuse(program, form.txtYear, "This in not a valid year, please enter again.", "Invalid Year!",
           msg::Critical);
    form.txtYear->select(0, 4);
    return;
  }

  // Typed text may be no month or no day: the congruence would give a weekday
  // of no meaning. The refused text is put back into its box, selected.
  const int monthNo = monthNumber(month.toStdString());
  if (monthNo == 0) {
    program.platform().msgBox(
        QStringLiteral("This is not a valid month, please select a month from the list."),
        QStringLiteral("Invalid Month!"), msg::Critical);
    return CheckValues::ReturnToTypedText(form, form.CmbMth);
  }
  const auto day = wholeNumberIn(dayText.toStdString(), 1, 31);
  if (!day) {
    program.platform().msgBox(
        QStringLiteral("This is not a valid day, please select a day from the list."),
        QStringLiteral("Invalid Day!"), msg::Critical);
    return CheckValues::ReturnToTypedText(form, form.CmbDay);
  }
  // A day the month does not have (a day typed as 031, say).
  if (*day > monthLength(monthNo, *year)) {
    if (*day == 29)  // 29 February of a common year
      CheckValues::ReportDowNonLeapYear(program);
    else
      CheckValues::ReportDowTooManyDays(program);
    return;
  }

  const auto terms = weekdayTerms(month.toStdString(), static_cast<std::int16_t>(*day), *year);
  if (!terms) return;  // no accepted date leaves the 16-bit range
  static_cast<WeekdayTerms&>(program.state<DOWcalCVariables>()) = *terms;
  showResult(form, weekdayName(terms->DowRemainder));
}

}  // namespace vantel
