#pragma once
// The lists the date and age boxes offer, rebuilt each time a box gets the
// focus: the twelve month names, a run of numbers, and the day-list choice,
// which picks the one GetDays procedure that fills a day box with as many days
// as the month and year typed allow (31, 30, 29 or 28).

#include <QString>

#include "calendar/GetDays.h"

namespace vantel {

class ComboBox;
class Program;

// Empties the box's list (and text) and adds "January" to "December".
void fillMonthList(ComboBox* box);

// Empties the box's list (and text) and adds the numbers first to last, in
// decimal without leading zeros.
void fillNumberList(ComboBox* box, int first, int last);

// The four procedures that fill one day box, by the number of days offered.
struct DayListProcedures {
  void (*days31)(Program&);
  void (*days30)(Program&);
  void (*days29)(Program&);
  void (*days28)(Program&);
};

inline constexpr DayListProcedures kBirthDayLists{&GetDays::BirthDays31, &GetDays::BirthDays30,
                                                  &GetDays::BirthDays29, &GetDays::BirthDays28};
inline constexpr DayListProcedures kDeathDayLists{&GetDays::DeathDays31, &GetDays::DeathDays30,
                                                  &GetDays::DeathDays29, &GetDays::DeathDays28};
inline constexpr DayListProcedures kDowDayLists{&GetDays::DowDays31, &GetDays::DowDays30,
                                                &GetDays::DowDays29, &GetDays::DowDays28};

// The day-list choice: calls exactly one of the procedures, as the month text
// and the year text decide (calendar/rules/Calendar.h, dayListLength).
void chooseDayList(Program& program, const QString& monthText, const QString& yearText,
                   const DayListProcedures& procedures);

}  // namespace vantel
