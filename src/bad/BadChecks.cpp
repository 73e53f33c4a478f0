#include "bad/BadChecks.h"

#include "bad/BadEntries.h"
#include "bad/FormBAD.h"
#include "bad/SetValues.h"
#include "bad/rules/BadRequest.h"
#include "calendar/CheckValues.h"
#include "calendar/rules/DateRefusals.h"
#include "forms/Program.h"

namespace vantel::CheckValues {
namespace {

void leapDayCheck(FormBAD& form, ComboBox* month, ComboBox* day, TextBox* year, bool birth) {
  const std::string yearText = year->text().toStdString();
  if (!leapDayOfCommonYear(month->text().toStdString(), day->text().toStdString(), yearText))
    return;
  refuse(form, badNonLeapYear(yearText, birth), day);
}

}  // namespace

void CheckBirthDate(FormBAD& f) { leapDayCheck(f, f.cmbBMonth, f.cmbBDay, f.txtBYear, true); }
void CheckDeathDate(FormBAD& f) { leapDayCheck(f, f.cmbDMonth, f.cmbDDay, f.txtDYear, false); }
void CheckBirthMonth(FormBAD& f) { CheckMonthLength(f, f.cmbBMonth, f.cmbBDay); }
void CheckDeathMonth(FormBAD& f) { CheckMonthLength(f, f.cmbDMonth, f.cmbDDay); }

void CheckCalculate(FormBAD& f) {
  // Shows the first refusal of the request for the missing value; true when
  // there is none.
  auto accepted = [&](BadMode mode) {
    const auto refusal = calculateRefusal(mode, badEntries(f));
    if (refusal) refuse(f, *refusal);
    return !refusal;
  };
  // Each option is tested by itself; after a calculation the other two are
  // found not selected.
  if (f.OptBirth->isChecked()) {
    if (!accepted(BadMode::Birth)) return;
    SetValues(f);
  }
  if (f.OptAge->isChecked()) {
    if (!accepted(BadMode::Age)) return;
    SetValues(f);
  }
  if (f.OptDeath->isChecked()) {
    if (!accepted(BadMode::Death)) return;
    SetValues(f);
  }
}

}  // namespace vantel::CheckValues
