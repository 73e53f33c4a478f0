#pragma once
// The day lists of the Day-of-week form: each procedure empties FormDOW's day
// box (its text too) and fills it with the days "1" up to its count. Which one
// runs is the day-list choice of the box's got-focus handler.

#include "calendar/DayLists.h"

namespace vantel {

class Program;

namespace GetDays {

void DowDays31(Program& program);
void DowDays30(Program& program);
void DowDays29(Program& program);
void DowDays28(Program& program);

}  // namespace GetDays

inline constexpr DayListProcedures kDowDayLists{&GetDays::DowDays31, &GetDays::DowDays30,
                                                &GetDays::DowDays29, &GetDays::DowDays28};

}  // namespace vantel
