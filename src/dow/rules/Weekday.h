#pragma once
// The weekday congruence of the day-of-week calculator: the weekday of a date of
// the proleptic Gregorian calendar from its month name, day and year, with every
// intermediate term kept as a 16-bit signed integer.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantel {

// The terms of one computation; the calculator keeps those of its last one.
struct WeekdayTerms {
  std::int16_t DowMonthDayTerm = 0;  // 2 * m + d
  std::int16_t DowMonthTerm = 0;     // floor(3 * (m + 1) / 5)
  std::int16_t DowYearDiv4 = 0;      // floor(y / 4)
  std::int16_t DowYearDiv100 = 0;    // floor(y / 100)
  std::int16_t DowYearDiv400 = 0;    // floor(y / 400)
  std::int16_t DowSum = 0;           // the weekday sum W
  std::int16_t DowRemainder = 0;     // W mod 7 (sign of W): the weekday index
};

// The month number the congruence counts with: 13 and 14 for January and
// February (months of the year before), 3 to 12 for March to December, 0 for
// any other text.
int congruenceMonth(std::string_view monthText);

// The congruence for a month text, day and year. Nothing when a term leaves the
// 16-bit range; for every date of the years 0 to 9999 none does.
std::optional<WeekdayTerms> weekdayTerms(std::string_view monthText, std::int16_t day,
                                         std::int16_t year);

// "Saturday" for index 0, "Sunday" for 1, ... "Friday" for 6; the empty text for
// any other index.
std::string_view weekdayName(int index);

}  // namespace vantel
