#pragma once
// The date-field checks the two date calculators share: the month-length check
// of a month and a day box, and the one way a refused field is shown to the
// user. The calculators' own checks are theirs (bad/BadChecks.h,
// dow/DowChecks.h).

#include "forms/rules/Refusal.h"

class QWidget;

namespace vantel {

class ComboBox;
class Form;

// Shows the refusal's message, then offers the box for correction: the focus,
// with the first entryLength characters of a text box selected (SelectEntry),
// or a text typed into a list box put back and selected (SelectTyped).
void refuse(Form& form, const Refusal& message, QWidget* box,
            Correction correction = Correction::Focus, int entryLength = 4);

namespace CheckValues {

// Warns about a day the month cannot have (a 31st of a 30-day month, a 30th or
// 31st of February) with a message box and puts the focus back into the day
// box; no field is cleared or changed. The year is not looked at, so a 29th of
// February passes in any year.
void CheckMonthLength(Form& form, const ComboBox* month, ComboBox* day);

// Gives the focus to a box whose typed text was refused and selects that text
// so that the user can correct it. Entering the box rebuilds its list, which
// empties it; the typed text is put back.
void ReturnToTypedText(Form& form, ComboBox* box);

}  // namespace CheckValues
}  // namespace vantel
