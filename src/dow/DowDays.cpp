#include "dow/DowDays.h"

#include "dow/FormDOW.h"
#include "forms/Program.h"

namespace vantel::GetDays {
namespace {
void fillDays(Program& program, int lastDay) {
  ComboBox* box = program.form<FormDOW>().CmbDay;
  box->clearList();
  for (int day = 1; day <= lastDay; ++day) box->addListItem(QString::number(day));
}
}  // namespace

void DowDays31(Program& program) { fillDays(program, 31); }
void DowDays30(Program& program) { fillDays(program, 30); }
void DowDays29(Program& program) { fillDays(program, 29); }
void DowDays28(Program& program) { fillDays(program, 28); }

}  // namespace vantel::GetDays
