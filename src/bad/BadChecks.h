#pragma once
// The checks of the Birth-Age-Death form. The date checks run when a date
// field is left and after every calculate request: each warns about an
// impossible date with a message box and puts the focus back into the day box;
// none clears or changes a field. The calculate request checks the fields the
// selected mode needs and computes only when all pass.

namespace vantel {

class FormBAD;

namespace CheckValues {

// The 29-February checks of the birth or death date: a 29th of February of a
// common year. They say nothing while the year is empty or no number, or
// beyond 32 bits (9e99): the calculate request refuses those.
void CheckBirthDate(FormBAD& form);
void CheckDeathDate(FormBAD& form);
// The month-length checks of the birth or death date.
void CheckBirthMonth(FormBAD& form);
void CheckDeathMonth(FormBAD& form);

// The calculate request: checks, one field at a time in a fixed order, that
// the fields the selected mode needs are filled and usable, and computes
// (SetValues) only when all are. The first failing check shows its message,
// puts the focus into its field and ends the request; no field is cleared.
void CheckCalculate(FormBAD& form);

}  // namespace CheckValues
}  // namespace vantel
