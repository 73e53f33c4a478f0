#pragma once
// The age ranges of the federal censuses of 1790 to 1840: which birth years
// each age-range option of the Census form stands for. The form builds its
// option buttons from this table and the birth-year rule reads its intervals,
// so the table is the one place that ties a button to its years.

#include <array>
#include <cstddef>

namespace vantel::census {

// The years the calculator can report, both ends included.
inline constexpr int kFirstCandidateYear = 1690;
inline constexpr int kLastCandidateYear = 1839;

// The six censuses, in the order of their check boxes on the form.
inline constexpr std::array<int, 6> kCensusYears{1790, 1800, 1810, 1820, 1830, 1840};
inline constexpr std::size_t kCensusCount = kCensusYears.size();

// One age-range option button: its census, its frame, its exact control name
// and caption, and the closed interval of birth years it admits.
struct AgeRange {
  int census;
  const char* frame;
  const char* option;
  const char* caption;
  int earliest;
  int latest;
};

inline constexpr std::size_t kAgeRangeCount = 45;

// In form order: 1790 male, 1790 female, then 1800 to 1840, each census in the
// order of its option numbers.
extern const std::array<AgeRange, kAgeRangeCount> CensusAgeRanges;

// Position of a census year in kCensusYears, or -1 when it is not one of them.
int censusIndex(int censusYear);

}  // namespace vantel::census
