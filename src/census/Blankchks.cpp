#include "census/Blankchks.h"

#include "census/CensusTexts.h"
#include "census/CountCalcDisplay.h"
#include "census/FormCBYC.h"
#include "forms/Colors.h"
#include "forms/Program.h"

namespace vantel {

namespace {

// The prompt for a ticked census without an age range, in census order. Their
// wording differs from census to census, so they are kept as they stand.
const std::array<QString, census::kCensusCount> kMissingAgeRange{
    QStringLiteral("You have checked the 1790 census but have not selected an age range.  Please "
                   "select an age range from within the 1790 census or un-check 1790 and select "
                   "another census year."),
    QStringLiteral("You have checked the 1800 census but have not selected an age range.  Please "
                   "select an age range from within the 1800 census or un-check 1800 and select "
                   "another census year."),
    QStringLiteral("You have checked the 1810 census but have not selected an age range.  Please "
                   "select an age range from within the 1810 census or un-check 1810 and select "
                   "another census year."),
    QStringLiteral("You have checked the 1820 Census but have not selected an Age Range.  Please "
                   "select an Age Range from within the 1820 Census or un-check 1820 and select "
                   "another Census year."),
    QStringLiteral("You have checked the 1830 census but have not selected an age range.  Please "
                   "select an age range from within the 1830 census or un-check 1830 and select "
                   "another census year."),
    QStringLiteral("You have checked the 1840 census but have not selected and age range.  Please "
                   "select an age range from within the 1840 census or un-check 1840 and select "
                   "another census year."),
};

void refuse(Program& program, const QString& prompt, const QString& title) {
  program.platform().msgBox(prompt, title, msg::Critical | msg::OkOnly);
}

// Whether some age-range option of the census is selected; for 1790 the
// options of both gender frames count together.
bool rangeChosen(const FormCBYC& form, int censusYear) {
  bool chosen = false;
  for (std::size_t k = 0; k < census::kAgeRangeCount; ++k)
    if (census::CensusAgeRanges[k].census == censusYear && form.ageRangeOptions()[k]->isChecked())
      chosen = true;
  return chosen;
}

}  // namespace

void Blankchks(Program& program) {
  FormCBYC& form = program.form<FormCBYC>();

  form.TextDisplay->setText(census::text::introduction);
  setForeColor(form.TextDisplay, colors::windowText());
  form.LblYourYears->setText(census::text::chooseCensusYears);
  setForeColor(form.LblYourYears, colors::windowText());

  const auto boxes = form.censusBoxes();
  std::int16_t ticked = 0;
  for (QCheckBox* box : boxes)
    if (checkValue(box) == 1) ++ticked;
  if (ticked == 0) {
    refuse(program,
           QStringLiteral("You must select at least one census year and age range value.  Please "
                          "select a census year and age range value."),
           QStringLiteral("Missing Census Year"));
    return;
  }

  if (checkValue(form.Chk1790) == 1 && !shown(form.Frame1790M) && !shown(form.Frame1790F)) {
    refuse(
        program,
        QStringLiteral("You have checked the 1790 census but have not selected a gender.  Please "
                       "select a gender or un-check 1790 and select another census year."),
        QStringLiteral("Missing Gender Selection"));
    return;
  }

  for (std::size_t c = 0; c < census::kCensusCount; ++c) {
    if (checkValue(boxes[c]) == 1 && !rangeChosen(form, census::kCensusYears[c])) {
      refuse(program, kMissingAgeRange[c], QStringLiteral("Missing Age Range"));
      return;
    }
  }

  CountCalcDisplay(program);
}

}  // namespace vantel
