#include "bad/SetValues.h"

#include <optional>

#include "bad/BADcalC.h"
#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "calendar/rules/Calendar.h"
#include "forms/Program.h"
#include "forms/rules/NumericText.h"

namespace vantel {

namespace {

std::int16_t monthOf(const QString& text) {
  return static_cast<std::int16_t>(monthNumber(text.toStdString()));
}

}  // namespace

void SetValues(Program& program) {
  auto& v = program.state<BadVariables>();
  FormBAD& f = program.form<FormBAD>();

  v.BirthMonth = v.BirthDay = v.BirthYear = 0;
  v.DeathDay = v.DeathMonth = v.DeathYear = 0;
  v.AgeDays = v.AgeMonths = v.AgeYears = 0;

  bool readable = true;
  auto read = [&readable](std::int16_t& target, const QString& text) {
    if (const auto n = toInt16(text.toStdString()))
      target = *n;
    else
      readable = false;
  };
  auto readAge = [&] {
    read(v.AgeDays, f.cmbADay->text());
    read(v.AgeMonths, f.cmbAMonth->text());
    read(v.AgeYears, f.txtAYear->text());
  };
  auto readDeath = [&] {
    v.DeathMonth = monthOf(f.cmbDMonth->text());
    read(v.DeathDay, f.cmbDDay->text());
    read(v.DeathYear, f.txtDYear->text());
  };
  auto readBirth = [&] {
    v.BirthMonth = monthOf(f.cmbBMonth->text());
    read(v.BirthDay, f.cmbBDay->text());
    read(v.BirthYear, f.txtBYear->text());
  };

  if (f.OptBirth->isChecked()) {
    readAge();
    readDeath();
  }
  if (f.OptAge->isChecked()) {
    readBirth();
    readDeath();
  }
  if (f.OptDeath->isChecked()) {
    readBirth();
    readAge();
  }

  if (!readable) {
    cannotCalculate(program);
    return;
  }
  BADcalC(program);
}

}  // namespace vantel
