#pragma once
// The day lists of the Day-of-week form: each procedure empties FormDOW's day
// box (its text too) and fills it with the days "1" up to its count.

namespace vantel {
class Program;
}

namespace vantel::GetDays {

void DowDays31(Program& program);
void DowDays30(Program& program);
void DowDays29(Program& program);
void DowDays28(Program& program);

}  // namespace vantel::GetDays
