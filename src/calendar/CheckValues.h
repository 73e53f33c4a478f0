#pragma once
// The date-field checks of the two date calculators. Each warns about an
// impossible date (a 31st of a 30-day month, a 30th or 31st of February, a 29th
// of February in a common year) with a message box and puts the focus back
// into the day box; none clears or changes a field. The day-of-week check also
// starts the day-of-week computation when the date is acceptable.

#include <QString>

namespace vantel {

class ComboBox;
class Form;
class Program;

namespace CheckValues {

// The 29-February checks of the Birth-Age-Death form: a 29th of February of a
// common year. They say nothing while the year is empty or no number.
void CheckBirthDate(Program& program);
void CheckDeathDate(Program& program);
// The month-length checks of the Birth-Age-Death form.
void CheckBirthMonth(Program& program);
void CheckDeathMonth(Program& program);

// The day-of-week request: refuses 29 February of a common year, else computes.
void CheckDowDate(Program& program);
// A day the Day-of-week form's month cannot have (31 of a 30-day month, 30 or
// 31 of February).
void CheckDowMonth(Program& program);

// The 29-February message of the day-of-week request; the focus goes to the day.
void ReportDowNonLeapYear(Program& program);

// Gives the focus to a box whose typed text was refused and selects that text
// so that the user can correct it. Entering the box rebuilds its list, which
// empties it; the typed text is put back.
void ReturnToTypedText(Form& form, ComboBox* box);

}  // namespace CheckValues
}  // namespace vantel
