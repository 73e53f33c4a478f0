#pragma once
// The census calculate request, free of any window: which incomplete
// selections it refuses and with which message, and the message for choices
// that have no birth year in common. The form shows them; the command line
// prints them.

#include <optional>

#include "census/rules/CensusBirthYears.h"
#include "forms/rules/Refusal.h"

namespace vantel::census {

// The checks in their order: no census ticked; 1790 ticked without a gender
// chosen; then, census by census, a ticked census without an age range (for
// 1790 the options of both genders count together).
std::optional<Refusal> selectionRefusal(const CensusChoices& choices, bool genderChosen);

// "Illogical Age Ranges": two or more censuses without a common year.
Refusal illogicalAgeRanges();

}  // namespace vantel::census
