#include "calendar/rules/Calendar.h"

#include "forms/rules/NumericText.h"

namespace vantel {

int monthNumber(std::string_view text) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i)
    if (kMonthNames[i] == text) return static_cast<int>(i) + 1;
  return 0;
}

std::string_view monthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

bool isThirtyDayMonth(std::string_view text) {
  for (std::string_view thirty : kThirtyDayMonths)
    if (text == thirty) return true;
  return false;
}

bool isLeapYear(std::int32_t year) {
  if (year % 4 != 0) return false;
  return year % 100 != 0 || year % 400 == 0;
}

int monthLength(int month, std::int32_t year) {
  if (month < 1 || month > 12) return 0;
  if (month == 2) return isLeapYear(year) ? 29 : 28;
  return isThirtyDayMonth(monthName(month)) ? 30 : 31;
}

int previousMonthLength(int month, std::int32_t year) {
  if (month == 1) return 31;
  if (month < 1 || month > 12) return 30;
  return monthLength(month - 1, year);
}

int dayListLength(std::string_view monthText, std::string_view yearText) {
  if (isThirtyDayMonth(monthText)) return 30;
  if (monthText != "February") return 31;
  if (yearText.empty() || !isNumeric(yearText)) return 29;
  const auto year = toInt32(yearText);
  if (!year) return 29;
  return isLeapYear(*year) ? 29 : 28;
}

}  // namespace vantel
