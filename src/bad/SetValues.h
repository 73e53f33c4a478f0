#pragma once
// SetValues reads the values the selected mode needs from the Birth-Age-Death
// form into the calculator's variables, then has BADcalC compute the missing one.

namespace vantel {

class FormBAD;

// Called once the calculate request has passed its checks. A value that cannot
// be read as a 16-bit number (a typed age in months that is no number, or a
// year in exponent notation too large to hold) is not computed with: the user
// is told the values cannot be calculated and the form is left as it was.
void SetValues(FormBAD& form);

}  // namespace vantel
