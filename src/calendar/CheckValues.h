#pragma once
// The date-field checks of the two date calculators. Each warns about an
// impossible date (a 31st of a 30-day month, a 30th or 31st of February, a 29th
// of February in a common year) with a message box and puts the focus back
// into the day box; none clears or changes a field. The day-of-week check also
// starts the day-of-week computation when the date is acceptable.

#include <QString>

namespace vantel {

class Program;

namespace CheckValues {

// The day-of-week request: refuses 29 February of a common year, else computes.
void CheckDowDate(Program& program);
// A day the Day-of-week form's month cannot have (31 of a 30-day month, 30 or
// 31 of February).
void CheckDowMonth(Program& program);

// The messages of the two checks above, for the day-of-week computation when it
// refuses such a date itself (a day typed as 031, say).
void ReportDowTooManyDays(Program& program);
void ReportDowNonLeapYear(Program& program);

}  // namespace CheckValues
}  // namespace vantel
