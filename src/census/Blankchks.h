#pragma once
// The gate in front of the census calculation: puts the Census form's two
// explanatory texts back to their starting state, refuses an incomplete
// selection with one message, and otherwise calls CountCalcDisplay. It changes
// no selection and moves no focus.

namespace vantel {

class FormCBYC;

void Blankchks(FormCBYC& form);

}  // namespace vantel
