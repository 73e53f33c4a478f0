#include "census/Blankchks.h"

#include "census/CensusTexts.h"
#include "census/CountCalcDisplay.h"
#include "census/FormCBYC.h"
#include "census/rules/CensusRequest.h"
#include "forms/Colors.h"
#include "forms/Program.h"

namespace vantel {

void Blankchks(FormCBYC& form) {
  form.TextDisplay->setText(census::text::introduction);
  setForeColor(form.TextDisplay, colors::windowText());
  form.LblYourYears->setText(census::text::chooseCensusYears);
  setForeColor(form.LblYourYears, colors::windowText());

  const bool genderChosen = shown(form.Frame1790M) || shown(form.Frame1790F);
  if (const auto refusal = census::selectionRefusal(censusChoices(form), genderChosen)) {
    form.program().platform().refuse(*refusal);
    return;
  }

  CountCalcDisplay(form);
}

}  // namespace vantel
