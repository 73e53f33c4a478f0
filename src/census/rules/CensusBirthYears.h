#pragma once
// The census birth-year rule: from the states of the six census check boxes and
// the 45 age-range options, the candidate years that every ticked census admits.
// Reading the controls and showing the outcome is left to CountCalcDisplay.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "census/rules/CensusAgeRanges.h"

namespace vantel::census {

struct CensusChoices {
  // Values of Chk1790 ... Chk1840: 0 unticked, 1 ticked, 2 greyed.
  std::array<int, kCensusCount> checkValues{};
  // Whether each option of CensusAgeRanges (same order) is selected.
  std::array<bool, kAgeRangeCount> selected{};
};

struct CensusBirthYears {
  // How many census boxes are ticked (value exactly 1).
  std::int16_t censusCount = 0;
  // The candidate years every ticked census admits, ascending.
  std::vector<int> years;

  // Two or more censuses were ticked and they have no year in common.
  bool contradiction() const { return censusCount > 1 && years.empty(); }
};

// Tallies, for every candidate year, the ticked censuses that admit it (a
// census admits the years of its selected option), and keeps the years whose
// tally equals the number of ticked censuses: the intersection of the chosen
// ranges. Options of a census that is not ticked are not counted, and a census
// counts once however many of its options are selected, so the result does not
// depend on the form clearing them. With no census ticked nothing is listed.
CensusBirthYears censusBirthYears(const CensusChoices& choices);

// The years as the program lists them: four digits and one blank each.
std::string censusYearsText(const std::vector<int>& years);

}  // namespace vantel::census
