#include "calendar/rules/DateRefusals.h"

#include <string>

#include "calendar/rules/Calendar.h"
#include "forms/rules/NumericText.h"

namespace vantel {

Refusal tooManyDays(std::string_view month) {
  const std::string_view rest =
      month == "February"
          ? " has a maximum of 29 days (Leap Year), please pick another day or enter a "
            "different Month."
          : " only has 30 days, please pick another day or enter a different Month.";
  return {std::string(month).append(rest), "Too Many Days!", Refusal::Information};
}

std::optional<Refusal> monthLengthRefusal(std::string_view month, std::string_view day) {
  const bool tooMany = (isThirtyDayMonth(month) && day == "31") ||
                       (month == "February" && (day == "30" || day == "31"));
  if (!tooMany) return std::nullopt;
  return tooManyDays(month);
}

bool leapDayOfCommonYear(std::string_view month, std::string_view day, std::string_view year) {
  if (day != "29" || month != "February") return false;
  const auto y = toInt32(year);
  return y && !isLeapYear(*y);
}

}  // namespace vantel
