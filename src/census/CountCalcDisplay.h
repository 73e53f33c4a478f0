#pragma once
// The census calculation: reads the six census boxes and the 45 age-range
// options of the Census form, lists the birth years they agree on in
// CensusYearsText, shows them on the form, and warns when two or more censuses
// have no year in common. Called by Blankchks once the selection is complete.

#include "census/rules/CensusBirthYears.h"

namespace vantel {

class FormCBYC;

void CountCalcDisplay(FormCBYC& form);

// The states of the census boxes and age-range options of the form.
census::CensusChoices censusChoices(const FormCBYC& form);

}  // namespace vantel
