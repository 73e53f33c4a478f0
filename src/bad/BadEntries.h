#pragma once
// The Birth-Age-Death form's side of the request rules of bad/rules: the mode
// and the entry texts read from the form, and a refusal shown on it.

#include <optional>

#include "bad/rules/BadRequest.h"

namespace vantel {

class FormBAD;

// The option selected, tested in the order OptBirth, OptAge, OptDeath.
std::optional<BadMode> checkedMode(const FormBAD& form);

// The texts of the nine entry boxes.
BadEntries badEntries(const FormBAD& form);

// Shows the refusal's message, then offers its box for correction: the focus,
// with a year's four digits or the age in years' three selected, or a typed
// age in months put back selected.
void refuse(FormBAD& form, const BadRefusal& refusal);

}  // namespace vantel
