#pragma once
// BADcalC computes the missing one of birth date, age at death and death date
// from the two the user supplied (read by SetValues) and shows it on the
// Birth-Age-Death form.

namespace vantel {

class FormBAD;

// For the first selected option: computes the value, writes its text into the
// mode's result box, shows the result frame, writes the mode's sentence into
// TextHowto in navy, sets BadResultShown to 1 and enables mnuPrint. A result
// that does not fit the calculator's 16-bit numbers (possible only with years
// or ages typed in exponent notation), or a birth date before 1583, is not
// shown: the user is told instead.
void BADcalC(FormBAD& form);

}  // namespace vantel
