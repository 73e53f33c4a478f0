#pragma once
// The calculate request of the Birth-Age-Death form: CheckValues::CheckCalculate
// checks, one field at a time in a fixed order, that the fields the selected
// mode needs are filled and usable, and computes (SetValues) only when all are.
// The first failing check shows its message, puts the focus into its field and
// ends the request; no field is cleared.

namespace vantel {

class Program;

namespace CheckValues {
void CheckCalculate(Program& program);
}  // namespace CheckValues

}  // namespace vantel
