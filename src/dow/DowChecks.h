#pragma once
// The date checks of the Day-of-week form. Each warns about an impossible date
// with a message box and puts the focus back into the day box; none clears or
// changes a field. The date check also starts the computation (DOWcalC) when
// the date is acceptable.

namespace vantel {

class FormDOW;

namespace CheckValues {

// The day-of-week request: refuses 29 February of a common year, else computes.
void CheckDowDate(FormDOW& form);
// A day the month cannot have (31 of a 30-day month, 30 or 31 of February).
void CheckDowMonth(FormDOW& form);
// The 29-February message of the day-of-week request; the focus goes to the day.
void ReportDowNonLeapYear(FormDOW& form);

}  // namespace CheckValues
}  // namespace vantel
