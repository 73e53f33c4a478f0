#pragma once
// The calendar the date calculators share: month names and numbers, the
// Gregorian leap-year rule, month lengths and the length of the month before a
// given month. Month names are recognised only by exact, case-sensitive
// comparison of the whole text.

#include <array>
#include <cstdint>
#include <string_view>

namespace vantel {

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The months of 30 days, in the order the checks compare them.
inline constexpr std::array<std::string_view, 4> kThirtyDayMonths = {"September", "April", "June",
                                                                     "November"};

// Whether the text is exactly the name of a 30-day month.
bool isThirtyDayMonth(std::string_view text);

// 1 to 12 for a month name, 0 for any other text.
int monthNumber(std::string_view text);

// The name of month 1 to 12; the empty text for any other number.
std::string_view monthName(int month);

// Gregorian: divisible by 4, except centuries not divisible by 400. Remainders
// truncate towards zero, as the program's integer division does.
bool isLeapYear(std::int32_t year);

// Days of month 1 to 12 in the given year; 0 for any other month.
int monthLength(int month, std::int32_t year);

// Days of the month before month m of year Y: December's 31 for January,
// February of the same year for March, 30 for the unset month 0.
int previousMonthLength(int month, std::int32_t year);

// How many days a day list offers for the month and year texts typed: 30 for the
// four 30-day month names; for "February" 29 when the year is empty, not a
// number or a leap year, else 28; 31 for any other text. A year that is a
// number beyond the 32-bit range offers 29 days, never withholding a valid day.
int dayListLength(std::string_view monthText, std::string_view yearText);

}  // namespace vantel
