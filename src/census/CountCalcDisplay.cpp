#include "census/CountCalcDisplay.h"

#include "census/CensusTexts.h"
#include "census/CensusVariables.h"
#include "census/FormCBYC.h"
#include "census/rules/CensusBirthYears.h"
#include "census/rules/CensusRequest.h"
#include "forms/Colors.h"
#include "forms/Program.h"

namespace vantel {

census::CensusChoices censusChoices(const FormCBYC& form) {
  census::CensusChoices choices;
  const auto boxes = form.censusBoxes();
  for (std::size_t c = 0; c < census::kCensusCount; ++c)
    choices.checkValues[c] = checkValue(boxes[c]);
  const auto& options = form.ageRangeOptions();
  for (std::size_t k = 0; k < census::kAgeRangeCount; ++k)
    choices.selected[k] = options[k]->isChecked();
  return choices;
}

void CountCalcDisplay(FormCBYC& form) {
  QString& yearsText = form.program().state<CensusVariables>().CensusYearsText;
  yearsText.clear();

  const census::CensusBirthYears result = census::censusBirthYears(censusChoices(form));
  yearsText = QString::fromStdString(census::censusYearsText(result.years));

  form.TextDisplay->setText(yearsText);
  setForeColor(form.TextDisplay, colors::navy());
  form.LblYourYears->setVisible(true);
  setForeColor(form.LblYourYears, colors::navy());
  form.LblYourYears->setText(QStringLiteral(
      "Based on your selections, the possible years of birth for your Ancestor are listed below."));
  form.Frame1->setTitle(QStringLiteral("Results"));
  form.Frame2->setTitle(QStringLiteral("Possible birth years"));
  form.mnuPrint->setEnabled(true);

  if (result.censusCount > 1 && yearsText.isEmpty()) {
    form.TextDisplay->setText(census::text::introduction);
    setForeColor(form.TextDisplay, colors::windowText());
    form.LblYourYears->setText(
        QStringLiteral("To begin, choose from above the Census year(s) you have information for."));
    setForeColor(form.LblYourYears, colors::windowText());
    form.program().platform().refuse(census::illogicalAgeRanges());
  }
}

}  // namespace vantel
