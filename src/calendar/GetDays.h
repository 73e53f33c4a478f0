#pragma once
// The procedures that fill a day box with a fixed number of days. Each empties
// its box's list (and so its text) and adds "1" up to the last day, ascending.
// Which one runs is the day-list choice of the box's got-focus handler
// (calendar/DayLists.h).

namespace vantel {

class Program;

namespace GetDays {

// The birth day box of the Birth-Age-Death calculator, cmbBDay.
void BirthDays31(Program& program);
void BirthDays30(Program& program);
void BirthDays29(Program& program);
void BirthDays28(Program& program);

// The death day box of the Birth-Age-Death calculator, cmbDDay.
void DeathDays31(Program& program);
void DeathDays30(Program& program);
void DeathDays29(Program& program);
void DeathDays28(Program& program);

// The day box of the Day-of-week calculator, CmbDay.
void DowDays31(Program& program);
void DowDays30(Program& program);
void DowDays29(Program& program);
void DowDays28(Program& program);

}  // namespace GetDays
}  // namespace vantel
