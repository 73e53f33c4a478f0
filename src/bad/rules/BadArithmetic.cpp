#include "bad/rules/BadArithmetic.h"

#include <limits>

#include "calendar/rules/Calendar.h"

namespace vantel {

namespace {

// A month of a year, the unit the borrows and carries step through.
struct YearMonth {
  std::int32_t year;
  std::int32_t month;  // 1 to 12

  int length() const { return monthLength(month, year); }
  YearMonth before() const {
    return month == 1 ? YearMonth{year - 1, 12} : YearMonth{year, month - 1};
  }
  YearMonth after() const {
    return month == 12 ? YearMonth{year + 1, 1} : YearMonth{year, month + 1};
  }
};

// Year and month from a month count that may lie outside 1 to 12: whole years
// of months are carried into the year, or borrowed from it.
YearMonth normalised(std::int32_t year, std::int32_t month) {
  std::int32_t zeroBased = month - 1;
  std::int32_t carry = zeroBased / 12;
  zeroBased %= 12;
  if (zeroBased < 0) {
    zeroBased += 12;
    carry -= 1;
  }
  return {year + carry, zeroBased + 1};
}

bool realMonth(std::int16_t month) { return month >= 1 && month <= 12; }

bool fits(std::int32_t v) {
  return v >= std::numeric_limits<std::int16_t>::min() &&
         v <= std::numeric_limits<std::int16_t>::max();
}

std::optional<BadDate> narrowed(YearMonth ym, std::int32_t day) {
  if (!fits(ym.year) || !fits(day)) return std::nullopt;
  return BadDate{static_cast<std::int16_t>(ym.year), static_cast<std::int16_t>(ym.month),
                 static_cast<std::int16_t>(day)};
}

// Moves a day that does not exist in its month forwards (carrying whole months)
// or backwards (borrowing whole months) until it does.
std::int32_t settleDay(YearMonth& ym, std::int32_t day) {
  while (day > ym.length()) {
    day -= ym.length();
    ym = ym.after();
  }
  while (day < 1) {
    ym = ym.before();
    day += ym.length();
  }
  return day;
}

std::string unit(std::int32_t n, const char* word) {
  std::string text = std::to_string(n) + " " + word;
  if (n != 1) text += "s";
  return text;
}

}  // namespace

std::optional<BadDate> birthFromDeath(BadDate death, BadAge age) {
  if (!realMonth(death.month)) return std::nullopt;
  YearMonth ym =
      normalised(std::int32_t{death.year} - age.years, std::int32_t{death.month} - age.months);
  std::int32_t day = std::int32_t{death.day} - age.days;
  // Days short: borrow the month before the death month, then the month before
  // that, and so on, each time giving up one month of the result.
  YearMonth borrowed{death.year, death.month};
  while (day < 1) {
    borrowed = borrowed.before();
    day += borrowed.length();
    ym = ym.before();
  }
  // A day beyond the end of the result's month carries into the next one.
  day = settleDay(ym, day);
  return narrowed(ym, day);
}

std::optional<BadAge> ageAtDeath(BadDate birth, BadDate death) {
  if (!realMonth(birth.month) || !realMonth(death.month)) return std::nullopt;
  std::int32_t years = std::int32_t{death.year} - birth.year;
  std::int32_t months = std::int32_t{death.month} - birth.month;
  std::int32_t days = std::int32_t{death.day} - birth.day;
  // Days short: borrow the month before the death month, then the one before
  // that, until the days are no longer negative.
  YearMonth borrowed{death.year, death.month};
  while (days < 0) {
    borrowed = borrowed.before();
    days += borrowed.length();
    months -= 1;
  }
  while (months < 0) {
    months += 12;
    years -= 1;
  }
  if (!fits(years) || !fits(days)) return std::nullopt;
  return BadAge{static_cast<std::int16_t>(years), static_cast<std::int16_t>(months),
                static_cast<std::int16_t>(days)};
}

std::optional<BadDate> deathFromBirth(BadDate birth, BadAge age) {
  if (!realMonth(birth.month)) return std::nullopt;
  YearMonth ym =
      normalised(std::int32_t{birth.year} + age.years, std::int32_t{birth.month} + age.months);
  std::int32_t day = settleDay(ym, std::int32_t{birth.day} + age.days);
  return narrowed(ym, day);
}

std::string dateText(BadDate date) {
  return std::string(monthName(date.month)) + " " + std::to_string(date.day) + ", " +
         std::to_string(date.year);
}

std::string ageText(BadAge age) {
  return unit(age.years, "Year") + ", " + unit(age.months, "Month") + " and " +
         unit(age.days, "Day");
}

}  // namespace vantel
