#include "calendar/GetDays.h"

#include "bad/FormBAD.h"
#include "calendar/DayLists.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"

namespace vantel::GetDays {

void BirthDays31(Program& program) { fillNumberList(program.form<FormBAD>().cmbBDay, 1, 31); }
void BirthDays30(Program& program) { fillNumberList(program.form<FormBAD>().cmbBDay, 1, 30); }
void BirthDays29(Program& program) { fillNumberList(program.form<FormBAD>().cmbBDay, 1, 29); }
void BirthDays28(Program& program) { fillNumberList(program.form<FormBAD>().cmbBDay, 1, 28); }

void DeathDays31(Program& program) { fillNumberList(program.form<FormBAD>().cmbDDay, 1, 31); }
void DeathDays30(Program& program) { fillNumberList(program.form<FormBAD>().cmbDDay, 1, 30); }
void DeathDays29(Program& program) { fillNumberList(program.form<FormBAD>().cmbDDay, 1, 29); }
void DeathDays28(Program& program) { fillNumberList(program.form<FormBAD>().cmbDDay, 1, 28); }

void DowDays31(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 31); }
void DowDays30(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 30); }
void DowDays29(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 29); }
void DowDays28(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 28); }

}  // namespace vantel::GetDays
