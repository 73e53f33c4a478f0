#include "dow/DowChecks.h"

#include "calendar/CheckValues.h"
#include "calendar/rules/DateRefusals.h"
#include "dow/DOWcalC.h"
#include "dow/FormDOW.h"
#include "dow/rules/WeekdayRequest.h"
#include "forms/Program.h"

namespace vantel::CheckValues {

void CheckDowMonth(FormDOW& form) { CheckMonthLength(form, form.CmbMth, form.CmbDay); }

void CheckDowDate(FormDOW& form) {
  // A missing or unusable year cannot be tested for a leap year; the computation
  // reports it with its own year messages.
  if (leapDayOfCommonYear(form.CmbMth->text().toStdString(), form.CmbDay->text().toStdString(),
                          form.txtYear->text().toStdString()))
    return ReportDowNonLeapYear(form);
  DOWcalC(form);
}

void ReportDowNonLeapYear(FormDOW& form) {
  refuse(form, dowNonLeapYear(form.txtYear->text().toStdString()), form.CmbDay);
}

}  // namespace vantel::CheckValues
