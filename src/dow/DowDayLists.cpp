#include "dow/DowDayLists.h"

#include "dow/FormDOW.h"

namespace vantel::GetDays {

void DowDays31(FormDOW& form) { fillNumberList(form.CmbDay, 1, 31); }
void DowDays30(FormDOW& form) { fillNumberList(form.CmbDay, 1, 30); }
void DowDays29(FormDOW& form) { fillNumberList(form.CmbDay, 1, 29); }
void DowDays28(FormDOW& form) { fillNumberList(form.CmbDay, 1, 28); }

}  // namespace vantel::GetDays
