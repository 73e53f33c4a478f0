#pragma once
// The date-field refusals the two date calculators share: a day the month
// cannot have, with the message the program shows, and the test for the 29th
// of February of a common year, whose message each calculator words itself.

#include <optional>
#include <string_view>

#include "forms/rules/Refusal.h"

namespace vantel {

// "Too Many Days!" for the month text: the 30-day wording, or the February one.
Refusal tooManyDays(std::string_view month);

// The month-length check: a 31st of "September", "April", "June" or
// "November", a 30th or 31st of "February". The year is not looked at.
std::optional<Refusal> monthLengthRefusal(std::string_view month, std::string_view day);

// Whether the texts are the 29th of February of a year that is a number within
// 32 bits and not a leap year. An empty or unreadable year is left to the
// year checks.
bool leapDayOfCommonYear(std::string_view month, std::string_view day, std::string_view year);

}  // namespace vantel
