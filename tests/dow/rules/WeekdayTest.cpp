#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "calendar/rules/Calendar.h"
#include "dow/rules/Weekday.h"

using namespace vantel;
namespace chr = std::chrono;

namespace {
std::string_view weekdayOf(std::string_view month, int day, int year) {
  const auto terms =
      weekdayTerms(month, static_cast<std::int16_t>(day), static_cast<std::int16_t>(year));
  return terms ? weekdayName(terms->DowRemainder) : std::string_view("(overflow)");
}
}  // namespace

// Every date of the years 0 to 9999 against the standard library's calendar.
// Every disagreeing date counts; the first few are named.
TEST(Weekday, AgreesWithTheGregorianCalendarForEveryDateOfYears0To9999) {
  constexpr std::array<std::string_view, 7> byChronoIndex = {
      "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  long dates = 0;
  long wrong = 0;
  for (int y = 0; y <= 9999; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= monthLength(m, y); ++d) {
        const chr::year_month_day date{chr::year(y), chr::month(static_cast<unsigned>(m)),
                                       chr::day(static_cast<unsigned>(d))};
        const auto expected = date.ok()
                                  ? byChronoIndex[chr::weekday(chr::sys_days(date)).c_encoding()]
                                  : std::string_view("(no such date)");
        const auto got = weekdayOf(monthName(m), d, y);
        ++dates;
        if (got == expected) continue;
        if (++wrong <= 10)
          ADD_FAILURE() << y << '-' << m << '-' << d << ": " << got << ", not " << expected;
      }
  EXPECT_EQ(wrong, 0) << "dates whose weekday disagrees";
  EXPECT_EQ(dates, 3652425);  // 10000 Gregorian years of 365.2425 days
}

TEST(Weekday, TermsOfKnownDates) {
  struct Case {
    const char* month;
    int day, year;
    int sum, remainder, div4, div100, div400;
    const char* name;
  };
  const Case cases[] = {
      {"January", 15, 1937, 2456, 6, 484, 19, 4, "Friday"},
      {"January", 1, 0, 35, 0, -1, -1, -1, "Saturday"},  // y = -1: quotients round down
      {"February", 29, 0, 66, 3, -1, -1, -1, "Tuesday"},
      {"March", 1, 0, 11, 4, 0, 0, 0, "Wednesday"},
      {"December", 31, 9999, 12487, 6, 2499, 99, 24, "Friday"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.month << ' ' << c.day << ' ' << c.year);
    const auto t =
        weekdayTerms(c.month, static_cast<std::int16_t>(c.day), static_cast<std::int16_t>(c.year));
    if (!t) {
      ADD_FAILURE() << "no terms";
      continue;
    }
    EXPECT_EQ(t->DowSum, c.sum);
    EXPECT_EQ(t->DowRemainder, c.remainder);
    EXPECT_EQ(t->DowYearDiv4, c.div4);
    EXPECT_EQ(t->DowYearDiv100, c.div100);
    EXPECT_EQ(t->DowYearDiv400, c.div400);
    EXPECT_EQ(weekdayName(t->DowRemainder), c.name);
  }
}

TEST(Weekday, MonthAndDayTerms) {
  // January 15, 1937: m = 13, so 2m + d = 41 and floor(3 * 14 / 5) = 8.
  const auto t = weekdayTerms("January", 15, 1937);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->DowMonthDayTerm, 41);
  EXPECT_EQ(t->DowMonthTerm, 8);
}

TEST(Weekday, CongruenceMonthNumbers) {
  struct Case {
    const char* text;
    int m;
  };
  const Case cases[] = {{"January", 13}, {"February", 14}, {"March", 3}, {"December", 12},
                        {"april", 0},    {"", 0},          {"Feb", 0},   {"May ", 0}};
  for (const auto& c : cases) EXPECT_EQ(congruenceMonth(c.text), c.m) << '"' << c.text << '"';
}

// Far outside the calculator's years a term leaves the 16-bit range: no result,
// never a wrapped one.
TEST(Weekday, OverflowGivesNoResult) {
  constexpr auto max = std::numeric_limits<std::int16_t>::max();
  constexpr auto min = std::numeric_limits<std::int16_t>::min();
  EXPECT_FALSE(weekdayTerms("March", 31, max));
  EXPECT_FALSE(weekdayTerms("January", 1, min));  // y = Y - 1 leaves the range
  EXPECT_FALSE(weekdayTerms("March", max, 2000));
  EXPECT_TRUE(weekdayTerms("March", 1, 20000));
}

TEST(Weekday, NamesOutsideTheWeekAreEmpty) {
  EXPECT_EQ(weekdayName(-1), "");
  EXPECT_EQ(weekdayName(7), "");
}
