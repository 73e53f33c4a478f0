#include "bad/BadDayLists.h"

#include "bad/FormBAD.h"

namespace vantel::GetDays {

void BirthDays31(FormBAD& form) { fillNumberList(form.cmbBDay, 1, 31); }
void BirthDays30(FormBAD& form) { fillNumberList(form.cmbBDay, 1, 30); }
void BirthDays29(FormBAD& form) { fillNumberList(form.cmbBDay, 1, 29); }
void BirthDays28(FormBAD& form) { fillNumberList(form.cmbBDay, 1, 28); }

void DeathDays31(FormBAD& form) { fillNumberList(form.cmbDDay, 1, 31); }
void DeathDays30(FormBAD& form) { fillNumberList(form.cmbDDay, 1, 30); }
void DeathDays29(FormBAD& form) { fillNumberList(form.cmbDDay, 1, 29); }
void DeathDays28(FormBAD& form) { fillNumberList(form.cmbDDay, 1, 28); }

}  // namespace vantel::GetDays
