#pragma once
// The date arithmetic of the Birth-Age-Death calculator, free of any window:
// a birth date from a death date less an age, an age from a birth date to a
// death date, and a death date from a birth date plus an age, each by
// component-wise subtraction or addition with borrows and carries.
//
// A borrow of days takes the length of the month before the month named,
// counting back from the death month in the death year's calendar, and is
// repeated until the days are no longer short; a carry of days into the next
// month is repeated until the day exists in its month. So every date computed
// from real input months is a real date, and an age has 0 to 11 months and 0 to
// 30 days. February's length always comes from the year of the month meant.
//
// The inputs are the program's 16-bit values. The work is done in 32 bits and a
// result that does not fit 16 bits, or an input month outside 1 to 12, gives no
// result instead of wrapping.

#include <cstdint>
#include <optional>
#include <string>

namespace vantel {

struct BadDate {
  std::int16_t year = 0;
  std::int16_t month = 0;  // 1 to 12
  std::int16_t day = 0;
  friend bool operator==(const BadDate&, const BadDate&) = default;
};

struct BadAge {
  std::int16_t years = 0;
  std::int16_t months = 0;
  std::int16_t days = 0;
  friend bool operator==(const BadAge&, const BadAge&) = default;
};

// The birth date of someone who died on `death` aged `age`.
std::optional<BadDate> birthFromDeath(BadDate death, BadAge age);

// The age at death of someone born on `birth` who died on `death`. A death
// before the birth gives negative years.
std::optional<BadAge> ageAtDeath(BadDate birth, BadDate death);

// The death date of someone born on `birth` who died aged `age`.
std::optional<BadDate> deathFromBirth(BadDate birth, BadAge age);

// "December 23, 1869": month name, blank, day, comma and blank, year.
std::string dateText(BadDate date);

// "50 Years, 1 Month and 26 Days": each unit singular only for the value 1.
std::string ageText(BadAge age);

}  // namespace vantel
