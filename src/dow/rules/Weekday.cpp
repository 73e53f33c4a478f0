#include "dow/rules/Weekday.h"

#include <array>
#include <limits>

#include "calendar/rules/Calendar.h"

namespace vantel {
namespace {

inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};

// A 16-bit term, or nothing when the value does not fit.
std::optional<std::int16_t> term(long value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(value);
}

// Division rounded towards minus infinity, as the congruence divides.
long floorDiv(long a, long b) {
  const long q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

int congruenceMonth(std::string_view monthText) {
  const int m = monthNumber(monthText);
  return m == 1 ? 13 : m == 2 ? 14 : m;
}

std::optional<WeekdayTerms> weekdayTerms(std::string_view monthText, std::int16_t day,
                                         std::int16_t year) {
  const long m = congruenceMonth(monthText);
  const auto y = term(m > 12 ? long{year} - 1 : long{year});
  const auto monthDay = term(2 * m + day);
  const auto monthTerm = term(floorDiv(3 * (m + 1), 5));
  if (!y || !monthDay || !monthTerm) return std::nullopt;
  const auto div4 = term(floorDiv(*y, 4));
  const auto div100 = term(floorDiv(*y, 100));
  const auto div400 = term(floorDiv(*y, 400));
  if (!div4 || !div100 || !div400) return std::nullopt;

  // W is added in the program's order, each partial sum a 16-bit value.
  std::optional<std::int16_t> sum = *monthTerm;
  for (long addend : {long{*monthDay}, long{*y}, long{*div4}, -long{*div100}, long{*div400}, 2L}) {
    sum = term(long{*sum} + addend);
    if (!sum) return std::nullopt;
  }
  return WeekdayTerms{
      *monthDay, *monthTerm, *div4, *div100, *div400, *sum, static_cast<std::int16_t>(*sum % 7)};
}

std::string_view weekdayName(int index) {
  if (index < 0 || index >= static_cast<int>(kWeekdayNames.size())) return {};
  return kWeekdayNames[static_cast<std::size_t>(index)];
}

}  // namespace vantel
