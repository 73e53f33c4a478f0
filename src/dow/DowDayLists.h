#pragma once
// The procedures that fill the Day-of-week form's day box, CmbDay, with a
// fixed number of days. Each empties the list (and so its text) and adds "1"
// up to the last day, ascending. Which one runs is the day-list choice of the
// box's got-focus handler (calendar/DayLists.h).

#include "calendar/DayLists.h"

namespace vantel {

class FormDOW;

namespace GetDays {
void DowDays31(FormDOW& form);
void DowDays30(FormDOW& form);
void DowDays29(FormDOW& form);
void DowDays28(FormDOW& form);
}  // namespace GetDays

inline constexpr DayListProcedures<FormDOW> kDowDayLists{&GetDays::DowDays31, &GetDays::DowDays30,
                                                         &GetDays::DowDays29, &GetDays::DowDays28};

}  // namespace vantel
