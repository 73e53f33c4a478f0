#include <gtest/gtest.h>

#include <chrono>

#include "calendar/rules/Calendar.h"

using namespace vantel;
namespace chr = std::chrono;

TEST(Calendar, MonthNamesAreExactAndCaseSensitive) {
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(monthNumber(monthName(m)), m);
  for (const char* text : {"", "february", "Feb", "February ", " May", "MAY", "Month"})
    EXPECT_EQ(monthNumber(text), 0) << '"' << text << '"';
  EXPECT_EQ(monthName(0), "");
  EXPECT_EQ(monthName(13), "");
}

TEST(Calendar, LeapYearsAndMonthLengthsAgreeWithTheGregorianCalendar) {
  for (int y = 0; y <= 9999; ++y) {
    ASSERT_EQ(isLeapYear(y), chr::year(y).is_leap()) << y;
    for (unsigned m = 1; m <= 12; ++m) {
      const auto last = chr::year_month_day_last(chr::year(y), chr::month_day_last(chr::month(m)));
      ASSERT_EQ(monthLength(static_cast<int>(m), y), static_cast<int>(unsigned(last.day())))
          << y << '-' << m;
    }
  }
}

TEST(Calendar, PreviousMonthLength) {
  struct Case {
    int month, year, days;
  };
  const Case cases[] = {{1, 1900, 31}, {3, 1900, 28},  {3, 1904, 29}, {3, 2000, 29},
                        {5, 1900, 30}, {12, 1900, 30}, {8, 1900, 31}, {0, 1900, 30}};
  for (const auto& c : cases) EXPECT_EQ(previousMonthLength(c.month, c.year), c.days) << c.month;
}

TEST(Calendar, DayListChoice) {
  struct Case {
    const char* month;
    const char* year;
    int days;
  };
  const Case cases[] = {
      {"February", "2000", 29}, {"February", "1900", 28},  {"February", "1996", 29},
      {"February", "1997", 28}, {"February", "", 29},      {"February", "abc", 29},
      {"February", "9e99", 29}, {"February", "1e3", 28},   {"February", "1996.4", 29},
      {"July", "1900", 31},     {"August", "", 31},        {"December", "x", 31},
      {"April", "", 30},        {"June", "1900", 30},      {"September", "2000", 30},
      {"November", "1", 30},    {"february", "2000", 31},  {"Feb", "2000", 31},
      {"", "2000", 31},         {"February ", "1900", 31},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dayListLength(c.month, c.year), c.days) << c.month << ' ' << c.year;
}
