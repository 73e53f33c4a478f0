#pragma once
// The procedures that fill a day box of the Birth-Age-Death form with a fixed
// number of days. Each empties its box's list (and so its text) and adds "1" up
// to the last day, ascending. Which one runs is the day-list choice of the
// box's got-focus handler (calendar/DayLists.h).

#include "calendar/DayLists.h"

namespace vantel {

class FormBAD;

namespace GetDays {

// The birth day box, cmbBDay.
void BirthDays31(FormBAD& form);
void BirthDays30(FormBAD& form);
void BirthDays29(FormBAD& form);
void BirthDays28(FormBAD& form);

// The death day box, cmbDDay.
void DeathDays31(FormBAD& form);
void DeathDays30(FormBAD& form);
void DeathDays29(FormBAD& form);
void DeathDays28(FormBAD& form);

}  // namespace GetDays

inline constexpr DayListProcedures<FormBAD> kBirthDayLists{
    &GetDays::BirthDays31, &GetDays::BirthDays30, &GetDays::BirthDays29, &GetDays::BirthDays28};
inline constexpr DayListProcedures<FormBAD> kDeathDayLists{
    &GetDays::DeathDays31, &GetDays::DeathDays30, &GetDays::DeathDays29, &GetDays::DeathDays28};

}  // namespace vantel
