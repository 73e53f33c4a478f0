#include "bad/SetValues.h"

#include "bad/BADcalC.h"
#include "bad/BadEntries.h"
#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "forms/Program.h"

namespace vantel {

void SetValues(FormBAD& f) {
  auto& v = f.program().state<BadVariables>();

  v.BirthMonth = v.BirthDay = v.BirthYear = 0;
  v.DeathDay = v.DeathMonth = v.DeathYear = 0;
  v.AgeDays = v.AgeMonths = v.AgeYears = 0;

  const auto mode = checkedMode(f);
  if (!mode) return BADcalC(f);
  const auto values = readValues(*mode, badEntries(f));
  if (!values) return refuse(f, cannotCalculate(*mode));
  v.BirthMonth = values->birth.month;
  v.BirthDay = values->birth.day;
  v.BirthYear = values->birth.year;
  v.DeathMonth = values->death.month;
  v.DeathDay = values->death.day;
  v.DeathYear = values->death.year;
  v.AgeYears = values->age.years;
  v.AgeMonths = values->age.months;
  v.AgeDays = values->age.days;
  BADcalC(f);
}

}  // namespace vantel
