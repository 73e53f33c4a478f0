// The Birth-Age-Death arithmetic: the worked cases as tables, and properties
// over many random and exhaustive birth and death dates with the standard
// library's calendar as the judge of real dates.

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "bad/rules/BadArithmetic.h"

namespace vantel {
namespace {

using namespace std::chrono;

BadDate fromDays(sys_days d) {
  const year_month_day ymd{d};
  return {static_cast<std::int16_t>(static_cast<int>(ymd.year())),
          static_cast<std::int16_t>(static_cast<unsigned>(ymd.month())),
          static_cast<std::int16_t>(static_cast<unsigned>(ymd.day()))};
}

year_month_day ymdOf(BadDate d) {
  return year{d.year} / month{static_cast<unsigned>(d.month)} / day{static_cast<unsigned>(d.day)};
}

bool isReal(BadDate d) { return d.month >= 1 && d.day >= 1 && ymdOf(d).ok(); }

// The death date of a birth date plus an age, judged by <chrono>: years and
// months move the month, keeping the day; a day beyond the month's end runs into
// the next month; then the days are added.
sys_days chronoDeath(BadDate birth, BadAge age) {
  const year_month_day moved = ymdOf(birth) + years{age.years} + months{age.months};
  return sys_days{moved} + days{age.days};
}

std::string text(const std::optional<BadDate>& d) { return d ? dateText(*d) : "(none)"; }
std::string text(const std::optional<BadAge>& a) { return a ? ageText(*a) : "(none)"; }

struct BirthCase {
  BadDate death;
  BadAge age;
  const char* expected;
};

TEST(BadArithmetic, MissingBirthDateCases) {
  const BirthCase cases[] = {
      // The month goes below 1 and the days borrow February 1900.
      {{1900, 3, 5}, {30, 2, 10}, "December 23, 1869"},
      {{1900, 1, 10}, {10, 1, 5}, "December 5, 1889"},
      // The borrow of a leap February.
      {{1904, 3, 1}, {0, 0, 1}, "February 29, 1904"},
      // One borrow of February is not enough: January is borrowed too.
      {{1900, 3, 1}, {0, 0, 30}, "January 30, 1900"},
      {{1900, 3, 1}, {0, 0, 31}, "January 29, 1900"},
      {{1900, 3, 1}, {0, 0, 28}, "February 1, 1900"},
      {{1904, 3, 1}, {0, 0, 29}, "February 1, 1904"},
      // A borrow from January's previous month, December of the year before.
      {{1900, 1, 1}, {0, 0, 1}, "December 31, 1899"},
      {{1900, 1, 15}, {0, 0, 31}, "December 15, 1899"},
      // The 31st of a 31-day month stays (no longer carried by a limit of 30).
      {{1900, 5, 31}, {0, 2, 0}, "March 31, 1900"},
      // A day that does not exist in the month reached carries into the next.
      {{1900, 3, 31}, {0, 1, 0}, "March 3, 1900"},
      {{1904, 3, 31}, {0, 1, 0}, "March 2, 1904"},
      {{1900, 5, 31}, {0, 1, 0}, "May 1, 1900"},
      {{1900, 3, 30}, {4, 1, 0}, "March 1, 1896"},
      // Nothing to borrow or carry.
      {{1900, 6, 15}, {50, 0, 0}, "June 15, 1850"},
      {{1900, 12, 31}, {0, 11, 30}, "January 1, 1900"},
      {{1900, 6, 15}, {0, 12, 0}, "June 15, 1899"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(dateText(c.death) + " less " + ageText(c.age));
    EXPECT_EQ(text(birthFromDeath(c.death, c.age)), c.expected);
  }
}

struct AgeCase {
  BadDate birth;
  BadDate death;
  const char* expected;
};

TEST(BadArithmetic, MissingAgeCases) {
  const AgeCase cases[] = {
      {{1850, 5, 20}, {1851, 6, 15}, "1 Year, 0 Months and 26 Days"},
      {{1850, 6, 15}, {1900, 6, 15}, "50 Years, 0 Months and 0 Days"},
      // Days still short after borrowing February: January is borrowed too.
      {{1850, 1, 31}, {1900, 3, 1}, "50 Years, 0 Months and 29 Days"},
      {{1903, 1, 31}, {1904, 3, 1}, "1 Year, 0 Months and 30 Days"},
      {{1850, 1, 30}, {1900, 3, 1}, "50 Years, 0 Months and 30 Days"},
      {{1850, 1, 29}, {1900, 3, 1}, "50 Years, 1 Month and 0 Days"},
      // A borrow from December of the year before.
      {{1899, 12, 31}, {1900, 1, 1}, "0 Years, 0 Months and 1 Day"},
      {{1899, 11, 30}, {1900, 1, 1}, "0 Years, 1 Month and 2 Days"},
      // Singular words only for 1.
      {{1899, 5, 14}, {1900, 6, 15}, "1 Year, 1 Month and 1 Day"},
      {{1900, 6, 15}, {1900, 6, 15}, "0 Years, 0 Months and 0 Days"},
      // A death before the birth is shown as it comes out, with negative years.
      {{1900, 6, 15}, {1850, 6, 15}, "-50 Years, 0 Months and 0 Days"},
      {{1900, 6, 20}, {1850, 6, 15}, "-51 Years, 11 Months and 26 Days"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(dateText(c.birth) + " to " + dateText(c.death));
    EXPECT_EQ(text(ageAtDeath(c.birth, c.death)), c.expected);
  }
}

TEST(BadArithmetic, MissingDeathDateCases) {
  const BirthCase cases[] = {
      // Here `death` is the birth date and `age` the age added to it.
      {{1900, 1, 31}, {0, 1, 0}, "March 3, 1900"},
      {{1900, 6, 30}, {0, 1, 1}, "July 31, 1900"},
      {{1899, 12, 15}, {0, 1, 20}, "February 4, 1900"},
      // The day carries out of January and again out of February.
      {{1900, 1, 31}, {0, 0, 30}, "March 2, 1900"},
      {{1904, 1, 31}, {0, 0, 30}, "March 1, 1904"},
      {{1900, 1, 31}, {0, 0, 31}, "March 3, 1900"},
      // February 29 plus whole years lands on March 1 of a common year.
      {{1904, 2, 29}, {1, 0, 0}, "March 1, 1905"},
      {{1896, 2, 29}, {4, 0, 0}, "March 1, 1900"},
      {{1896, 2, 29}, {104, 0, 0}, "February 29, 2000"},
      // Months of the list's range up to 12, past December.
      {{1900, 12, 31}, {0, 12, 31}, "January 31, 1902"},
      {{1900, 11, 30}, {0, 12, 31}, "December 31, 1901"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(dateText(c.death) + " plus " + ageText(c.age));
    EXPECT_EQ(text(deathFromBirth(c.death, c.age)), c.expected);
  }
}

// Results beyond 16 bits and months that are no month give no result.
TEST(BadArithmetic, ResultsOutsideSixteenBitsOrMonthsOutsideTheYearGiveNone) {
  EXPECT_FALSE(deathFromBirth({30000, 6, 1}, {9000, 0, 0}));
  EXPECT_FALSE(deathFromBirth({32767, 12, 31}, {0, 0, 1}));
  EXPECT_TRUE(deathFromBirth({32767, 12, 30}, {0, 0, 1}));
  EXPECT_FALSE(birthFromDeath({-32768, 1, 1}, {0, 0, 1}));
  EXPECT_FALSE(birthFromDeath({1600, 1, 1}, {-32768, 0, 0}));
  EXPECT_FALSE(ageAtDeath({-32768, 1, 1}, {32767, 1, 1}));
  EXPECT_FALSE(birthFromDeath({1900, 0, 1}, {0, 0, 0}));
  EXPECT_FALSE(ageAtDeath({1900, 13, 1}, {1950, 1, 1}));
  EXPECT_FALSE(deathFromBirth({1900, 0, 1}, {0, 0, 0}));
}

// Ages from a typed months text outside 0 to 12, and days that are not in the
// month entered, still give real dates.
TEST(BadArithmetic, OddAgesAndDaysStillGiveRealDates) {
  EXPECT_EQ(text(deathFromBirth({1900, 6, 15}, {0, 30, 0})), "December 15, 1902");
  EXPECT_EQ(text(deathFromBirth({1900, 6, 15}, {1, -8, 0})), "October 15, 1900");
  EXPECT_EQ(text(birthFromDeath({1900, 6, 15}, {0, 30, 0})), "December 15, 1897");
  EXPECT_EQ(text(birthFromDeath({1900, 6, 15}, {0, -7, 0})), "January 15, 1901");
  EXPECT_EQ(text(birthFromDeath({1900, 2, 30}, {0, 0, 0})), "March 2, 1900");
  EXPECT_EQ(text(deathFromBirth({1900, 4, 31}, {0, 0, 0})), "May 1, 1900");
  EXPECT_EQ(text(deathFromBirth({1900, 6, 15}, {0, 0, -20})), "May 26, 1900");
  EXPECT_EQ(text(birthFromDeath({1900, 6, 15}, {0, 0, -20})), "July 5, 1900");
  EXPECT_EQ(text(birthFromDeath({1900, 6, 15}, {0, 0, 400})), "May 11, 1899");
  for (std::int16_t months : {std::int16_t{-32768}, std::int16_t{32767}}) {
    for (std::int16_t dayCount : {std::int16_t{-32768}, std::int16_t{32767}}) {
      const BadAge odd{0, months, dayCount};
      const auto b = birthFromDeath({5000, 6, 15}, odd);
      const auto d = deathFromBirth({5000, 6, 15}, odd);
      EXPECT_TRUE(b && isReal(*b)) << text(b);
      EXPECT_TRUE(d && isReal(*d)) << text(d);
    }
  }
}

TEST(BadArithmetic, DateAndAgeTextsAreWrittenPlainly) {
  EXPECT_EQ(dateText({1869, 12, 23}), "December 23, 1869");
  EXPECT_EQ(dateText({1583, 1, 1}), "January 1, 1583");
  EXPECT_EQ(ageText({-50, 0, 0}), "-50 Years, 0 Months and 0 Days");
  EXPECT_EQ(ageText({1, 1, 1}), "1 Year, 1 Month and 1 Day");
  EXPECT_EQ(ageText({2, 11, 30}), "2 Years, 11 Months and 30 Days");
  EXPECT_EQ(ageText({0, -1, -2}), "0 Years, -1 Months and -2 Days");
}

// Checks the three properties for one pair of real dates, birth not after death.
void checkPair(BadDate b, BadDate d) {
  const auto a = ageAtDeath(b, d);
  ASSERT_TRUE(a);
  // The age has 0 to 11 months and 0 to 30 days.
  ASSERT_GE(a->years, 0);
  ASSERT_GE(a->months, 0);
  ASSERT_LE(a->months, 11);
  ASSERT_GE(a->days, 0);
  ASSERT_LE(a->days, 30);
  // The birth date plus that age gives back the death date, by our arithmetic
  // and by <chrono>'s.
  const auto back = deathFromBirth(b, *a);
  ASSERT_TRUE(back);
  ASSERT_EQ(*back, d) << dateText(b) << " + " << ageText(*a);
  ASSERT_EQ(chronoDeath(b, *a), sys_days{ymdOf(d)}) << dateText(b) << " + " << ageText(*a);
  // The death date less that age is a real date whose age at death is again
  // that age (not always b itself: several births share one age at a death).
  const auto birth = birthFromDeath(d, *a);
  ASSERT_TRUE(birth);
  ASSERT_TRUE(isReal(*birth)) << dateText(d) << " - " << ageText(*a);
  ASSERT_LE(sys_days{ymdOf(*birth)}, sys_days{ymdOf(d)});
  const auto again = ageAtDeath(*birth, d);
  ASSERT_TRUE(again);
  ASSERT_EQ(*again, *a) << dateText(d) << " - " << ageText(*a) << " = " << dateText(*birth);
}

const sys_days kFirstDay = sys_days{year{1583} / 1 / 1};
const sys_days kLastDay = sys_days{year{9999} / 12 / 31};

TEST(BadArithmeticProperties, RandomPairsFrom1583On) {
  std::mt19937 random(20240531);
  std::uniform_int_distribution<int> anyDay(0, (kLastDay - kFirstDay).count());
  std::uniform_int_distribution<int> span(0, 200 * 366);
  for (int i = 0; i < 100000; ++i) {
    // Half the pairs lie a lifetime apart, half anywhere in the years 1583 to 9999.
    sys_days b = kFirstDay + days{anyDay(random)};
    sys_days d = i % 2 ? b + days{span(random)} : kFirstDay + days{anyDay(random)};
    if (d > kLastDay) d = kLastDay;
    if (d < b) std::swap(b, d);
    checkPair(fromDays(b), fromDays(d));
    if (HasFatalFailure()) return;
  }
}

// Every pair of dates within a few years around 1900 (not a leap year) and
// around 2000 (a leap year).
TEST(BadArithmeticProperties, EveryPairAroundCenturyYears) {
  for (int century : {1900, 2000}) {
    const sys_days from = sys_days{year{century - 1} / 1 / 1};
    const sys_days to = sys_days{year{century + 1} / 12 / 31};
    for (sys_days b = from; b <= to; b += days{1}) {
      for (sys_days d = b; d <= to; d += days{1}) {
        checkPair(fromDays(b), fromDays(d));
        if (HasFatalFailure()) return;
      }
    }
  }
}

// For every age of the lists' ranges (0 to 12 months, 0 to 31 days), each
// computed birth date and death date is a real date; a death date is also the
// one <chrono> finds.
TEST(BadArithmeticProperties, EveryListAgeGivesRealDates) {
  std::mt19937 random(1583);
  std::uniform_int_distribution<int> anyDay(0, (kLastDay - kFirstDay).count() - 400);
  std::uniform_int_distribution<int> anyYears(0, 120);
  for (int i = 0; i < 3000; ++i) {
    const BadDate date = fromDays(kFirstDay + days{anyDay(random)});
    const auto yearsOfAge = static_cast<std::int16_t>(anyYears(random));
    for (std::int16_t m = 0; m <= 12; ++m) {
      for (std::int16_t dd = 0; dd <= 31; ++dd) {
        const BadAge age{yearsOfAge, m, dd};
        const auto death = deathFromBirth(date, age);
        ASSERT_TRUE(death && isReal(*death)) << dateText(date) << " + " << ageText(age);
        ASSERT_EQ(sys_days{ymdOf(*death)}, chronoDeath(date, age));
        if (date.year - yearsOfAge < 1583 + 2) continue;
        const auto birth = birthFromDeath(date, age);
        ASSERT_TRUE(birth && isReal(*birth)) << dateText(date) << " - " << ageText(age);
      }
    }
  }
}

}  // namespace
}  // namespace vantel
