#pragma once
// The calculate request of the Birth-Age-Death form: CheckValues::CheckCalculate
// checks, one field at a time in a fixed order, that the fields the selected
// mode needs are filled and usable, and computes (SetValues) only when all are.
// The first failing check shows its message, puts the focus into its field and
// ends the request; no field is cleared.

namespace vantel {

class FormBAD;
class Program;

namespace CheckValues {
void CheckCalculate(Program& program);
}  // namespace CheckValues

// Click of CmdCalculate: the request, then the two 29-February checks, each
// whatever the one before found. So a 29 February of a common year gets its
// message after the result is shown.
void CmdCalculate_Click(Program& program);

// Attaches to the form the handlers that run the checks: the Calculate click
// and the date checks on leaving a date field.
void attachChecks(FormBAD& form);

}  // namespace vantel
