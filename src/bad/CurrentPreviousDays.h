#pragma once
// CurrentPreviousDays records the month lengths around a Birth-Age-Death result
// in the calculator's variables, for the selected mode only.

namespace vantel {

class FormBAD;

// Missing birth date: PrevMonthDays, the month before the death month (the
// first month borrowed from), and BirthPrevMonthDays, the length of the
// computed birth month (the day limit the birth day keeps to).
// Missing age: AgePrevMonthDays, the month before the death month.
// Missing death date: CurrentMonthDays, the length of the computed death month,
// and PrevMonthDays, the month before it.
// February's length comes from the year of the date named.
void CurrentPreviousDays(FormBAD& form);

}  // namespace vantel
