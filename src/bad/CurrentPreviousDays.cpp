#include "bad/CurrentPreviousDays.h"

#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "calendar/rules/Calendar.h"
#include "forms/Program.h"

namespace vantel {

namespace {
std::int16_t days(int n) { return static_cast<std::int16_t>(n); }
}  // namespace

void CurrentPreviousDays(FormBAD& f) {
  auto& v = f.program().state<BadVariables>();
  if (f.OptBirth->isChecked()) {
    v.PrevMonthDays = days(previousMonthLength(v.DeathMonth, v.DeathYear));
    v.BirthPrevMonthDays = days(monthLength(v.CalcBirthMonth, v.CalcBirthYear));
  }
  if (f.OptAge->isChecked())
    v.AgePrevMonthDays = days(previousMonthLength(v.DeathMonth, v.DeathYear));
  if (f.OptDeath->isChecked()) {
    v.CurrentMonthDays = days(monthLength(v.CalcDeathMonth, v.CalcDeathYear));
    v.PrevMonthDays = days(previousMonthLength(v.CalcDeathMonth, v.CalcDeathYear));
  }
}

}  // namespace vantel
