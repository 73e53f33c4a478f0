// The census birth-year rule against an oracle of its own: a copy of the
// age-range intervals typed in here, intersected as intervals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "census/rules/CensusAgeRanges.h"
#include "census/rules/CensusBirthYears.h"

namespace vantel::census {
namespace {

struct Range {
  int census;
  const char* frame;
  const char* option;
  const char* caption;
  int from;
  int to;
};

// Typed in separately from the program's table, so a slip in either shows.
const std::vector<Range> kExpected = {
    {1790, "Frame1790M", "Opt1790M_1", "Under 16", 1775, 1790},
    {1790, "Frame1790M", "Opt1790M_2", "16 and Over", 1690, 1774},
    {1790, "Frame1790F", "Opt1790F_1", "All Females", 1690, 1790},
    {1800, "Frame1800", "Opt1800_1", "Under 10", 1791, 1799},
    {1800, "Frame1800", "Opt1800_2", "10 Thru 15", 1785, 1790},
    {1800, "Frame1800", "Opt1800_3", "16 Thru 25", 1775, 1784},
    {1800, "Frame1800", "Opt1800_4", "26 Thru 44", 1756, 1774},
    {1800, "Frame1800", "Opt1800_5", "45 and Over", 1700, 1755},
    {1810, "Frame1810", "Opt1810_1", "Under 10", 1801, 1809},
    {1810, "Frame1810", "Opt1810_2", "10 Thru 15", 1795, 1800},
    {1810, "Frame1810", "Opt1810_3", "16 Thru 25", 1785, 1794},
    {1810, "Frame1810", "Opt1810_4", "26 Thru 44", 1766, 1784},
    {1810, "Frame1810", "Opt1810_5", "45 and Over", 1710, 1765},
    {1820, "Frame1820", "Opt1820_1", "Under 10", 1811, 1820},
    {1820, "Frame1820", "Opt1820_2", "10 Thru 15", 1805, 1810},
    {1820, "Frame1820", "Opt1820_3", "16 Thru 18", 1802, 1804},
    {1820, "Frame1820", "Opt1820_4", "16 Thru 25", 1795, 1804},
    {1820, "Frame1820", "Opt1820_5", "26 Thru 44", 1776, 1794},
    {1820, "Frame1820", "Opt1820_6", "45 and Over", 1720, 1775},
    {1830, "Frame1830", "Opt1830_1", "Under 5", 1826, 1830},
    {1830, "Frame1830", "Opt1830_2", "5 Thru 9", 1821, 1825},
    {1830, "Frame1830", "Opt1830_3", "10 Thru 14", 1816, 1820},
    {1830, "Frame1830", "Opt1830_4", "15 Thru 19", 1811, 1815},
    {1830, "Frame1830", "Opt1830_5", "20 Thru 29", 1801, 1810},
    {1830, "Frame1830", "Opt1830_6", "30 Thru 39", 1791, 1800},
    {1830, "Frame1830", "Opt1830_7", "40 Thru 49", 1781, 1790},
    {1830, "Frame1830", "Opt1830_8", "50 Thru 59", 1771, 1780},
    {1830, "Frame1830", "Opt1830_9", "60 Thru 69", 1761, 1770},
    {1830, "Frame1830", "Opt1830_10", "70 Thru 79", 1751, 1760},
    {1830, "Frame1830", "Opt1830_11", "80 Thru 89", 1741, 1750},
    {1830, "Frame1830", "Opt1830_12", "90 Thru 99", 1731, 1740},
    {1830, "Frame1830", "Opt1830_13", "100 and Over", 1721, 1730},
    {1840, "Frame1840", "Opt1840_1", "Under 5", 1836, 1839},
    {1840, "Frame1840", "Opt1840_2", "5 Thru 9", 1831, 1835},
    {1840, "Frame1840", "Opt1840_3", "10 Thru 14", 1826, 1830},
    {1840, "Frame1840", "Opt1840_4", "15 Thru 19", 1821, 1825},
    {1840, "Frame1840", "Opt1840_5", "20 Thru 29", 1811, 1820},
    {1840, "Frame1840", "Opt1840_6", "30 Thru 39", 1801, 1810},
    {1840, "Frame1840", "Opt1840_7", "40 Thru 49", 1791, 1800},
    {1840, "Frame1840", "Opt1840_8", "50 Thru 59", 1781, 1790},
    {1840, "Frame1840", "Opt1840_9", "60 Thru 69", 1771, 1780},
    {1840, "Frame1840", "Opt1840_10", "70 Thru 79", 1761, 1770},
    {1840, "Frame1840", "Opt1840_11", "80 Thru 89", 1751, 1760},
    {1840, "Frame1840", "Opt1840_12", "90 Thru 99", 1741, 1750},
    {1840, "Frame1840", "Opt1840_13", "100 and Over", 1731, 1740},
};

// The oracle: the chosen intervals intersected, clipped to 1690 to 1839.
std::vector<int> oracleYears(const std::vector<int>& chosen) {
  int lo = 1690, hi = 1839;
  for (int k : chosen) {
    lo = std::max(lo, kExpected[k].from);
    hi = std::min(hi, kExpected[k].to);
  }
  std::vector<int> years;
  for (int y = lo; y <= hi; ++y) years.push_back(y);
  return years;
}

std::string oracleText(const std::vector<int>& years) {
  std::string text;
  char buf[8];
  for (int y : years) {
    std::snprintf(buf, sizeof buf, "%04d ", y);
    text += buf;
  }
  return text;
}

// Ticks the census of every chosen range and selects the range.
CensusChoices choose(const std::vector<int>& chosen) {
  CensusChoices c;
  for (int k : chosen) {
    const int census = kExpected[k].census;
    c.checkValues[(census - 1790) / 10] = 1;
    c.selected[k] = true;
  }
  return c;
}

// Each call is one row: it names its ranges and reports on its own.
void expectAgrees(const std::vector<int>& chosen) {
  std::string ranges;
  for (int k : chosen) ranges += std::string(ranges.empty() ? "" : " ") + kExpected[k].option;
  SCOPED_TRACE(ranges);
  const CensusBirthYears result = censusBirthYears(choose(chosen));
  const std::vector<int> expected = oracleYears(chosen);
  EXPECT_EQ(result.years, expected);
  EXPECT_EQ(censusYearsText(result.years), oracleText(expected));
  EXPECT_EQ(result.censusCount, static_cast<int>(chosen.size()));
  EXPECT_EQ(result.contradiction(), chosen.size() > 1 && expected.empty());
}

TEST(CensusAgeRanges, MatchesTheRangesTypedInHere) {
  ASSERT_EQ(CensusAgeRanges.size(), kExpected.size());
  for (std::size_t k = 0; k < kExpected.size(); ++k) {
    SCOPED_TRACE(kExpected[k].option);
    EXPECT_EQ(CensusAgeRanges[k].census, kExpected[k].census);
    EXPECT_STREQ(CensusAgeRanges[k].frame, kExpected[k].frame);
    EXPECT_STREQ(CensusAgeRanges[k].option, kExpected[k].option);
    EXPECT_STREQ(CensusAgeRanges[k].caption, kExpected[k].caption);
    EXPECT_EQ(CensusAgeRanges[k].earliest, kExpected[k].from);
    EXPECT_EQ(CensusAgeRanges[k].latest, kExpected[k].to);
  }
}

TEST(CensusBirthYears, EverySingleRangeListsItsOwnYears) {
  for (int k = 0; k < static_cast<int>(kExpected.size()); ++k) {
    expectAgrees({k});
    // A single census always lists at least three years, so never warns.
    EXPECT_GE(oracleYears({k}).size(), 3u);
  }
}

TEST(CensusBirthYears, EveryPairOfCensusesIsTheIntersection) {
  int pairs = 0;
  for (int a = 0; a < static_cast<int>(kExpected.size()); ++a)
    for (int b = a + 1; b < static_cast<int>(kExpected.size()); ++b)
      if (kExpected[a].census != kExpected[b].census) {
        expectAgrees({a, b});
        ++pairs;
      }
  // 3 * 42 + 5 * 37 + 5 * 32 + 6 * 26 + 13 * 13
  EXPECT_EQ(pairs, 126 + 185 + 160 + 156 + 169);
}

TEST(CensusBirthYears, RandomSelectionsOfThreeToSixCensuses) {
  std::mt19937 rng(1790);
  std::vector<std::vector<int>> byCensus(6);
  for (int k = 0; k < static_cast<int>(kExpected.size()); ++k)
    byCensus[(kExpected[k].census - 1790) / 10].push_back(k);
  std::vector<int> order{0, 1, 2, 3, 4, 5};
  int nonEmpty = 0;
  for (int run = 0; run < 4000; ++run) {
    std::shuffle(order.begin(), order.end(), rng);
    const int censuses = 3 + static_cast<int>(rng() % 4);
    std::vector<int> chosen;
    for (int i = 0; i < censuses; ++i) {
      const auto& options = byCensus[order[i]];
      chosen.push_back(options[rng() % options.size()]);
    }
    expectAgrees(chosen);
    if (!oracleYears(chosen).empty()) ++nonEmpty;
  }
  EXPECT_GT(nonEmpty, 0);  // the runs reach real results, not only contradictions
}

TEST(CensusBirthYears, ListsFourDigitsAndABlankPerYear) {
  EXPECT_EQ(censusYearsText({}), "");
  EXPECT_EQ(censusYearsText({1690, 1839}), "1690 1839 ");
}

// The form guarantees that an unticked census has no option selected and that
// 1790 has at most one; the rule keeps to the intersection of the ticked
// censuses even without those guarantees.
struct LooseCase {
  const char* what;
  std::array<int, 6> checkValues;
  std::vector<const char*> selected;
  int first, last;  // listed years; first > last for none
  int censusCount;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LooseCase& c, std::ostream* out) { *out << c.what; }

class CensusBirthYearsLoose : public ::testing::TestWithParam<LooseCase> {};

TEST_P(CensusBirthYearsLoose, CountsOnlyTickedCensuses) {
  const LooseCase& c = GetParam();
  SCOPED_TRACE(c.what);
  CensusChoices choices;
  choices.checkValues = c.checkValues;
  for (const char* name : c.selected) {
    auto it = std::find_if(kExpected.begin(), kExpected.end(),
                           [&](const Range& r) { return std::string(r.option) == name; });
    if (it == kExpected.end()) {
      ADD_FAILURE() << "no range " << name;
      continue;
    }
    choices.selected[it - kExpected.begin()] = true;
  }
  const CensusBirthYears result = censusBirthYears(choices);
  std::vector<int> expected;
  for (int y = c.first; y <= c.last; ++y) expected.push_back(y);
  EXPECT_EQ(result.years, expected);
  EXPECT_EQ(result.censusCount, c.censusCount);
  EXPECT_FALSE(result.contradiction());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CensusBirthYearsLoose,
    ::testing::Values(
        LooseCase{"unticked census with a range",
                  {0, 1, 0, 0, 0, 0},
                  {"Opt1800_1", "Opt1830_6"},
                  1791,
                  1799,
                  1},
        LooseCase{"greyed census with a range",
                  {0, 2, 0, 0, 1, 0},
                  {"Opt1800_1", "Opt1830_6"},
                  1791,
                  1800,
                  1},
        LooseCase{"two 1790 ranges count once",
                  {1, 0, 0, 0, 0, 0},
                  {"Opt1790M_1", "Opt1790F_1"},
                  1690,
                  1790,
                  1},
        LooseCase{"nothing ticked lists nothing", {0, 0, 0, 0, 0, 0}, {}, 1, 0, 0},
        LooseCase{"nothing ticked, ranges left over", {0, 0, 0, 0, 0, 0}, {"Opt1840_1"}, 1, 0, 0}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace vantel::census
