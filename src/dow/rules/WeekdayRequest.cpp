#include "dow/rules/WeekdayRequest.h"

#include <string>

#include "calendar/rules/Calendar.h"
#include "calendar/rules/DateRefusals.h"
#include "calendar/rules/WholeNumberText.h"
#include "forms/rules/NumericText.h"

namespace vantel {
namespace {

DowOutcome refused(DowBox box, Correction correction, const char* prompt, const char* title,
                   int icon) {
  return {std::nullopt, DowRefusal{{prompt, title, icon}, box, correction}};
}

// Years 0 to 9999 keep every term of the congruence within 16 bits; a number
// beyond them (4 characters in exponent notation, such as 1e5) is no year.
std::optional<std::int16_t> usableYear(std::string_view text) {
  const auto value = toDouble(text);
  if (!value || *value < 0) return std::nullopt;
  const auto year = toInt16(text);
  if (!year || *year > 9999) return std::nullopt;
  return year;
}

}  // namespace

Refusal dowNonLeapYear(std::string_view year) {
  return {std::string(year) +
              " is not a leap year and therefore only has 28 days, please select another day or "
              "enter a different year.",
          "Non Leap Year!", Refusal::Information};
}

DowOutcome weekdayOf(std::string_view month, std::string_view dayText, std::string_view yearText) {
  if (month.empty())
    return refused(DowBox::Month, Correction::Focus, "Please select a Month",
                   "Missing Month Field!", Refusal::Information);
  if (dayText.empty())
    return refused(DowBox::Day, Correction::Focus, "Please select a Day", "Missing Day Field!",
                   Refusal::Information);
  if (yearText.empty())
    return refused(DowBox::Year, Correction::Focus, "Please enter a year.", "Missing year Field!",
                   Refusal::Information);
  const auto year = usableYear(yearText);
  if (!year)
    return refused(DowBox::Year, Correction::SelectEntry,
                   "This in not a valid year, please enter again.", "Invalid Year!",
                   Refusal::Critical);

  // Typed text may be no month or no day: the congruence would give a weekday
  // of no meaning.
  const int monthNo = monthNumber(month);
  if (monthNo == 0)
    return refused(DowBox::Month, Correction::SelectTyped,
                   "This is not a valid month, please select a month from the list.",
                   "Invalid Month!", Refusal::Critical);
  const auto day = wholeNumberIn(dayText, 1, 31);
  if (!day)
    return refused(DowBox::Day, Correction::SelectTyped,
                   "This is not a valid day, please select a day from the list.", "Invalid Day!",
                   Refusal::Critical);
  // A day the month does not have (a day typed as 031, say).
  if (*day > monthLength(monthNo, *year)) {
    Refusal message = *day == 29 ? dowNonLeapYear(yearText) : tooManyDays(month);
    return {std::nullopt, DowRefusal{std::move(message), DowBox::Day, Correction::Focus}};
  }
  return {weekdayTerms(month, static_cast<std::int16_t>(*day), *year), std::nullopt};
}

std::optional<DowRefusal> dowLeapDayRefusal(std::string_view month, std::string_view day,
                                            std::string_view year) {
  if (!leapDayOfCommonYear(month, day, year)) return std::nullopt;
  return DowRefusal{dowNonLeapYear(year), DowBox::Day, Correction::Focus};
}

DowOutcome weekdayRequest(std::string_view month, std::string_view day, std::string_view year) {
  if (auto refusal = dowLeapDayRefusal(month, day, year)) return {std::nullopt, std::move(refusal)};
  return weekdayOf(month, day, year);
}

}  // namespace vantel
