#include "dow/DowDays.h"

#include "dow/FormDOW.h"
#include "forms/Program.h"

namespace vantel::GetDays {

void DowDays31(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 31); }
void DowDays30(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 30); }
void DowDays29(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 29); }
void DowDays28(Program& program) { fillNumberList(program.form<FormDOW>().CmbDay, 1, 28); }

}  // namespace vantel::GetDays
