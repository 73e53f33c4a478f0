#include "bad/CheckCalculate.h"

#include "bad/BadEntries.h"
#include "bad/FormBAD.h"
#include "bad/SetValues.h"
#include "forms/Program.h"

namespace vantel {

void CheckValues::CheckCalculate(Program& program) {
  FormBAD& f = program.form<FormBAD>();
  // Shows the first refusal of the request for the missing value; true when
  // there is none.
  auto accepted = [&](BadMode mode) {
    const auto refusal = calculateRefusal(mode, badEntries(f));
    if (refusal) refuse(program, f, *refusal);
    return !refusal;
  };
  // Each option is tested by itself; after a calculation the other two are
  // found not selected.
  if (f.OptBirth->isChecked()) {
    if (!accepted(BadMode::Birth)) return;
    SetValues(program);
  }
  if (f.OptAge->isChecked()) {
    if (!accepted(BadMode::Age)) return;
    SetValues(program);
  }
  if (f.OptDeath->isChecked()) {
    if (!accepted(BadMode::Death)) return;
    SetValues(program);
  }
}

}  // namespace vantel
