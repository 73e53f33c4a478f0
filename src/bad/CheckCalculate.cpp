#include "bad/CheckCalculate.h"

#include <tuple>
#include <vector>

#include "bad/FormBAD.h"
#include "bad/SetValues.h"
#include "calendar/CheckValues.h"
#include "calendar/rules/Calendar.h"
#include "calendar/rules/WholeNumberText.h"
#include "forms/Program.h"
#include "forms/rules/NumericText.h"

namespace vantel {
namespace {

enum class Test {
  Empty,
  NotANumber,  // or a number the 16-bit arithmetic cannot hold
  BelowYear1583,
  BelowZero,
  NotAnAgeInMonths  // a typed text that is not a whole number of 0 to 12
};

struct Check {
  QWidget* control;
  Test test;
  QString prompt;
  QString title;
  int icon;
};

QString textOf(const QWidget* control) {
  if (auto* box = qobject_cast<const ComboBox*>(control)) return box->text();
  return static_cast<const TextBox*>(control)->text();
}

bool fails(Test test, const QString& text) {
  const std::string t = text.toStdString();
  switch (test) {
    case Test::Empty: return text.isEmpty();
    case Test::NotANumber: return !toInt16(t);
    case Test::BelowYear1583: return toDouble(t).value_or(0) < 1583;
    case Test::BelowZero: return toDouble(t).value_or(-1) < 0;
    case Test::NotAnAgeInMonths: return !wholeNumberIn(t, 0, 12);
  }
  return false;
}

// The checks of one date, in their order; birth or death, as the wording says.
std::vector<Check> dateChecks(ComboBox* month, ComboBox* day, TextBox* year, const QString& word,
                              const QString& Word, const QString& emptyYearPrompt) {
  const QString invalid = "This in not a valid " + word + " year, please enter again.";
  return {
      {month, Test::Empty, "Please select a " + word + " month.", "Missing " + Word + " Month!",
       msg::Information},
      {day, Test::Empty, "Please select a " + word + " day.", "Missing " + Word + " Day!",
       msg::Information},
      {year, Test::Empty, emptyYearPrompt, "Missing " + Word + " Year!", msg::Information},
      {year, Test::NotANumber, invalid, "Invalid Year! (" + Word + ")", msg::Critical},
      {year, Test::BelowYear1583,
       invalid + "  Remember, this application only calculates from 1583 or later.",
       "Julian Year! (" + Word + ")", msg::Information},
  };
}

std::vector<Check> birthChecks(FormBAD& f) {
  return dateChecks(f.cmbBMonth, f.cmbBDay, f.txtBYear, "birth", "Birth",
                    "Please enter a valid a birth year.");
}

std::vector<Check> deathChecks(FormBAD& f, const QString& emptyYearPrompt) {
  return dateChecks(f.cmbDMonth, f.cmbDDay, f.txtDYear, "death", "Death", emptyYearPrompt);
}

std::vector<Check> ageChecks(FormBAD& f) {
  const QString missing = "Missing Age Field!";
  const QString invalid = "This in not a valid age in years at time of death, please enter again.";
  return {
      {f.cmbAMonth, Test::Empty, "Please select an age (in months), at time of death.", missing,
       msg::Information},
      {f.cmbADay, Test::Empty, "Please select an age (in days), at time of death.", missing,
       msg::Information},
      {f.txtAYear, Test::Empty, "Please enter an age (in years), at time of death.", missing,
       msg::Information},
      {f.txtAYear, Test::NotANumber, invalid, "Invalid Year! (Age)", msg::Critical},
      {f.txtAYear, Test::BelowZero, invalid, "Invalid Year! (Age)", msg::Critical},
  };
}

// The age in months may be typed: after every check of the fields, it must be a
// whole number the list offers.
std::vector<Check> typedMonthsCheck(FormBAD& f) {
  return {{f.cmbAMonth, Test::NotAnAgeInMonths,
           "This is not a valid age in months at time of death, please pick a number from 0 to "
           "12.",
           "Invalid Age! (Months)", msg::Critical}};
}

std::vector<Check> operator+(std::vector<Check> a, const std::vector<Check>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Shows the message of the first failing check and returns the focus to its
// field: a text box with its whole entry selected after a number or range
// check, a typed age in months with its text selected. True when all pass.
bool passes(Program& program, FormBAD& form, const std::vector<Check>& checks) {
  for (const Check& c : checks) {
    if (!fails(c.test, textOf(c.control))) continue;
    program.platform().msgBox(c.prompt, c.title, c.icon);
    if (c.test == Test::NotAnAgeInMonths) {
      CheckValues::ReturnToTypedText(form, form.cmbAMonth);
      return false;
    }
    form.focusControl(c.control);
    if (auto* box = qobject_cast<TextBox*>(c.control); box && c.test != Test::Empty)
      box->select(0, box == form.txtAYear ? 3 : 4);
    return false;
  }
  return true;
}

// A death before the birth would show a negative age: refused, with the death
// year selected. Both dates have passed their checks, so they read cleanly.
bool deathNotBeforeBirth(Program& program, FormBAD& f) {
  auto date = [](ComboBox* month, ComboBox* day, TextBox* year) {
    return std::tuple(*toInt16(year->text().toStdString()),
                      monthNumber(month->text().toStdString()), day->text().toInt());
  };
  if (date(f.cmbDMonth, f.cmbDDay, f.txtDYear) >= date(f.cmbBMonth, f.cmbBDay, f.txtBYear))
    return true;
  program.platform().msgBox(
      QStringLiteral("The death date is before the birth date.  Please check both dates and enter "
                     "them again."),
      QStringLiteral("Death Before Birth!"), msg::Information);
  f.focusControl(f.txtDYear);
  f.txtDYear->select(0, 4);
  return false;
}

}  // namespace

void CheckValues::CheckCalculate(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  // Each option is tested by itself; after a calculation the other two are
  // found not selected.
  if (f.OptBirth->isChecked()) {
    if (!passes(program, f,
                ageChecks(f) + deathChecks(f, "Please enter a valid death year.") +
                    typedMonthsCheck(f)))
      return;
    SetValues(program);
  }
  if (f.OptAge->isChecked()) {
    if (!passes(program, f, birthChecks(f) + deathChecks(f, "Please enter a valid a death year.")))
      return;
    if (!deathNotBeforeBirth(program, f)) return;
    SetValues(program);
  }
  if (f.OptDeath->isChecked()) {
    if (!passes(program, f, birthChecks(f) + ageChecks(f) + typedMonthsCheck(f))) return;
    SetValues(program);
  }
}

}  // namespace vantel
