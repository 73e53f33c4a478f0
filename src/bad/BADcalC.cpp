#include "bad/BADcalC.h"

#include "bad/BadVariables.h"
#include "bad/CurrentPreviousDays.h"
#include "bad/FormBAD.h"
#include "bad/rules/BadArithmetic.h"
#include "forms/Colors.h"
#include "forms/Program.h"

namespace vantel {

namespace {

// The six steps that show a result, the same for every mode.
void showResult(Program& program, TextBox* box, QGroupBox* frame, const std::string& result,
                const QString& sentence) {
  FormBAD& f = program.form<FormBAD>();
  box->setText(QString::fromStdString(result));
  frame->show();
  f.TextHowto->setText(sentence);
  setForeColor(f.TextHowto, colors::navy());
  program.state<BadVariables>().BadResultShown = 1;
  f.mnuPrint->setEnabled(true);
}

// The calculator's dates are Gregorian, which it counts from 1583 on.
constexpr int kFirstGregorianYear = 1583;

// A computed birth date before 1583: the age and the death date are kept and
// the age in years is offered for correction.
void birthBeforeGregorian(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  program.platform().msgBox(
      QStringLiteral("The birth date calculated from this age and death date falls before 1583.  "
                     "Remember, this application only calculates from 1583 or later."),
      QStringLiteral("Julian Year! (Birth)"), msg::Information + msg::OkOnly);
  f.focusControl(f.txtAYear);
  f.txtAYear->select(0, 3);
}

}  // namespace

void BADcalC(Program& program) {
  auto& v = program.state<BadVariables>();
  FormBAD& f = program.form<FormBAD>();

  if (f.OptBirth->isChecked()) {
    const auto birth = birthFromDeath({v.DeathYear, v.DeathMonth, v.DeathDay},
                                      {v.AgeYears, v.AgeMonths, v.AgeDays});
    if (!birth) return cannotCalculate(program);
    if (birth->year < kFirstGregorianYear) return birthBeforeGregorian(program);
    v.CalcBirthYear = birth->year;
    v.CalcBirthMonth = birth->month;
    v.CalcBirthDay = birth->day;
    CurrentPreviousDays(program);
    showResult(program, f.TxTBirthDis, f.FrameBirthDis, dateText(*birth),
               QStringLiteral("You supplied an age at death and a death date.  The birth date is "
                              "displayed above."));
  } else if (f.OptAge->isChecked()) {
    const auto age = ageAtDeath({v.BirthYear, v.BirthMonth, v.BirthDay},
                                {v.DeathYear, v.DeathMonth, v.DeathDay});
    if (!age) return cannotCalculate(program);
    v.CalcAgeYears = age->years;
    v.CalcAgeMonths = age->months;
    v.CalcAgeDays = age->days;
    CurrentPreviousDays(program);
    showResult(program, f.TxTAgeDis, f.FrameAgeDis, ageText(*age),
               QStringLiteral("You supplied a birth date and death date.  The age at death is "
                              "displayed above."));
  } else if (f.OptDeath->isChecked()) {
    const auto death = deathFromBirth({v.BirthYear, v.BirthMonth, v.BirthDay},
                                      {v.AgeYears, v.AgeMonths, v.AgeDays});
    if (!death) return cannotCalculate(program);
    v.CalcDeathYear = death->year;
    v.CalcDeathMonth = death->month;
    v.CalcDeathDay = death->day;
    CurrentPreviousDays(program);
    showResult(program, f.TxTDeathDis, f.FrameDeathDis, dateText(*death),
               QStringLiteral("You supplied a birth date and age at death.  The death date is "
                              "displayed above."));
  }
}

void cannotCalculate(Program& program) {
  program.platform().msgBox(
      QStringLiteral("The missing information cannot be calculated from these values.  Please "
                     "check the years and the age you entered."),
      QStringLiteral("Cannot Calculate!"), msg::Critical + msg::OkOnly);
  // The age in years is what usually takes a result out of range; without an
  // age (the missing-age mode) the death year.
  FormBAD& f = program.form<FormBAD>();
  TextBox* year = shown(f.FrameAge) ? f.txtAYear : f.txtDYear;
  f.focusControl(year);
  year->select(0, year->maxLength());
}

}  // namespace vantel
