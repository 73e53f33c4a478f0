#include "census/rules/CensusRequest.h"

#include <string_view>

namespace vantel::census {

namespace {

// The prompt for a ticked census without an age range, in census order. Their
// wording differs from census to census, so they are kept as they stand.
constexpr std::array<std::string_view, kCensusCount> kMissingAgeRange{
    "You have checked the 1790 census but have not selected an age range.  Please select an age "
    "range from within the 1790 census or un-check 1790 and select another census year.",
    "You have checked the 1800 census but have not selected an age range.  Please select an age "
    "range from within the 1800 census or un-check 1800 and select another census year.",
    "You have checked the 1810 census but have not selected an age range.  Please select an age "
    "range from within the 1810 census or un-check 1810 and select another census year.",
    "You have checked the 1820 Census but have not selected an Age Range.  Please select an Age "
    "Range from within the 1820 Census or un-check 1820 and select another Census year.",
    "You have checked the 1830 census but have not selected an age range.  Please select an age "
    "range from within the 1830 census or un-check 1830 and select another census year.",
    "You have checked the 1840 census but have not selected and age range.  Please select an age "
    "range from within the 1840 census or un-check 1840 and select another census year.",
};

bool rangeChosen(const CensusChoices& choices, int censusYear) {
  for (std::size_t k = 0; k < kAgeRangeCount; ++k)
    if (CensusAgeRanges[k].census == censusYear && choices.selected[k]) return true;
  return false;
}

}  // namespace

std::optional<Refusal> selectionRefusal(const CensusChoices& choices, bool genderChosen) {
  int ticked = 0;
  for (int value : choices.checkValues)
    if (value == 1) ++ticked;
  if (ticked == 0)
    return Refusal{
        "You must select at least one census year and age range value.  Please select "
        "a census year and age range value.",
        "Missing Census Year", Refusal::Critical};
  if (choices.checkValues[0] == 1 && !genderChosen)
    return Refusal{
        "You have checked the 1790 census but have not selected a gender.  Please "
        "select a gender or un-check 1790 and select another census year.",
        "Missing Gender Selection", Refusal::Critical};
  for (std::size_t c = 0; c < kCensusCount; ++c)
    if (choices.checkValues[c] == 1 && !rangeChosen(choices, kCensusYears[c]))
      return Refusal{std::string(kMissingAgeRange[c]), "Missing Age Range", Refusal::Critical};
  return std::nullopt;
}

Refusal illogicalAgeRanges() {
  return {
      "You have selected an ilogical combination of census years and age ranges.  Re-check "
      "your selections and try again.  (You may be trying to calculate the birth date on two "
      "seperate individuals)",
      "Illogical Age Ranges", Refusal::Critical};
}

}  // namespace vantel::census
