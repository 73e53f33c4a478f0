#pragma once
// The day-of-week request, free of any window: which date texts it refuses,
// with which message and for which field, and the weekday of an accepted date.
// The form shows the refusal and moves the focus; the command line prints it.

#include <optional>
#include <string_view>

#include "dow/rules/Weekday.h"
#include "forms/rules/Refusal.h"

namespace vantel {

enum class DowBox { Month, Day, Year };  // CmbMth, CmbDay, txtYear

struct DowRefusal {
  Refusal message;
  DowBox box;
  Correction correction;
};

// The terms of the accepted date, or the refusal. Neither only when a term
// leaves the 16-bit range, which no accepted date does.
struct DowOutcome {
  std::optional<WeekdayTerms> terms;
  std::optional<DowRefusal> refusal;
};

// The computation's checks in their order (missing month, day and year, a year
// that is no number of 0 to 9999, a typed text that is no month or no day of 1
// to 31, a day beyond its month), then the congruence.
DowOutcome weekdayOf(std::string_view month, std::string_view day, std::string_view year);

// The 29-February message, after the year as typed.
Refusal dowNonLeapYear(std::string_view year);

// The 29th of February of a common year, refused before the computation runs.
std::optional<DowRefusal> dowLeapDayRefusal(std::string_view month, std::string_view day,
                                            std::string_view year);

// The whole request, as the calculate button makes it: the 29-February check,
// then the computation.
DowOutcome weekdayRequest(std::string_view month, std::string_view day, std::string_view year);

}  // namespace vantel
