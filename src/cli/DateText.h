#pragma once
// Dates and ages as the command line reads and writes them. A date is read as
// ISO 8601 (1871-03-12) or as the windows write it (March 12, 1871) and handed
// on as the texts of the windows' month, day and year boxes, so that the
// calculators' own checks judge it; it is written as ISO 8601, or with --long
// as the windows write it. An age is read as 67y4m3d or as the windows write
// it (67 Years, 4 Months and 3 Days).

#include <optional>
#include <string>
#include <string_view>

#include "bad/rules/BadArithmetic.h"

namespace vantel::cli {

// The texts of a date's month, day and year boxes: the month's name, the day
// and the year in plain decimal.
struct DateTexts {
  std::string month, day, year;
};

// Nothing when the text is neither form, or names a month outside 1 to 12 or
// a day outside 1 to 31; the day's fit to its month is left to the checks.
std::optional<DateTexts> readDate(std::string_view text);

// The texts of the age's years, months and days boxes; a part left out is 0.
struct AgeTexts {
  std::string years, months, days;
};
std::optional<AgeTexts> readAge(std::string_view text);

// 1871-03-12, or March 12, 1871.
std::string writeDate(BadDate date, bool longForm);
// 67y4m3d, or 67 Years, 4 Months and 3 Days.
std::string writeAge(BadAge age, bool longForm);

}  // namespace vantel::cli
