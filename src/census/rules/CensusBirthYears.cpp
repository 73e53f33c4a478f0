#include "census/rules/CensusBirthYears.h"

#include <algorithm>

namespace vantel::census {

namespace {
constexpr int kCandidateCount = kLastCandidateYear - kFirstCandidateYear + 1;
}

CensusBirthYears censusBirthYears(const CensusChoices& choices) {
  CensusBirthYears result;
  for (int value : choices.checkValues)
    if (value == 1) ++result.censusCount;
  if (result.censusCount == 0) return result;

  std::array<std::int16_t, kCandidateCount> tally{};
  for (std::size_t c = 0; c < kCensusCount; ++c) {
    if (choices.checkValues[c] != 1) continue;
    std::array<bool, kCandidateCount> admitted{};
    for (std::size_t k = 0; k < kAgeRangeCount; ++k) {
      const AgeRange& range = CensusAgeRanges[k];
      if (range.census != kCensusYears[c] || !choices.selected[k]) continue;
      const int from = std::max(range.earliest, kFirstCandidateYear);
      const int to = std::min(range.latest, kLastCandidateYear);
      for (int year = from; year <= to; ++year) admitted[year - kFirstCandidateYear] = true;
    }
    for (int i = 0; i < kCandidateCount; ++i)
      if (admitted[i]) ++tally[i];
  }

  for (int i = 0; i < kCandidateCount; ++i)
    if (tally[i] == result.censusCount) result.years.push_back(kFirstCandidateYear + i);
  return result;
}

std::string censusYearsText(const std::vector<int>& years) {
  std::string text;
  text.reserve(years.size() * 5);
  for (int year : years) {
    text += std::to_string(year);
    text += ' ';
  }
  return text;
}

}  // namespace vantel::census
