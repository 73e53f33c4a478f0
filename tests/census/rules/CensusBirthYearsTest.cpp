// The census birth-year rule against an oracle of its own: each range's
// birth years worked out from its census year and the ages its caption names,
// then intersected as intervals. The program's table is read only for which
// ranges exist and how they are captioned (the form tests check the captions).

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

struct Years {
  int from;
  int to;
};

// The birth years a caption admits at a census: the census year minus the age,
// with no allowance for the day of the census; candidates end at 1839.
//   "A Thru B"      ages A to B
//   "Under N"       ages 0 to N - 1, except that 1800's and 1810's "Under 10"
//                   stop a year before their census (a birth in the census
//                   year itself fits no range of those two censuses)
//   "N and Over"    ages N to 100; "100 and Over" ages 100 to 109
//   "All Females"   every age, 0 to 100
Years derived(int census, const std::string& caption) {
  int a = 0, b = 0;
  Years y{};
  if (std::sscanf(caption.c_str(), "%d Thru %d", &a, &b) == 2) {
    y = {census - b, census - a};
  } else if (std::sscanf(caption.c_str(), "Under %d", &a) == 1) {
    const bool stopsEarly = a == 10 && (census == 1800 || census == 1810);
    y = {census - (a - 1), census - (stopsEarly ? 1 : 0)};
  } else if (std::sscanf(caption.c_str(), "%d and Over", &a) == 1) {
    y = a == 100 ? Years{census - 109, census - 100} : Years{census - 100, census - a};
  } else if (caption == "All Females") {
    y = {census - 100, census};
  } else {
    ADD_FAILURE() << "no rule for the caption " << caption;
  }
  return {std::max(y.from, kFirstCandidateYear), std::min(y.to, kLastCandidateYear)};
}

Years derived(int k) { return derived(CensusAgeRanges[k].census, CensusAgeRanges[k].caption); }

constexpr int kRanges = static_cast<int>(kAgeRangeCount);

// The oracle: the chosen intervals intersected, clipped to 1690 to 1839.
std::vector<int> oracleYears(const std::vector<int>& chosen) {
  int lo = kFirstCandidateYear, hi = kLastCandidateYear;
  for (int k : chosen) {
    lo = std::max(lo, derived(k).from);
    hi = std::min(hi, derived(k).to);
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
    const int census = CensusAgeRanges[k].census;
    c.checkValues[(census - 1790) / 10] = 1;
    c.selected[k] = true;
  }
  return c;
}

// Each call is one row: it names its ranges and reports on its own.
void expectAgrees(const std::vector<int>& chosen) {
  std::string ranges;
  for (int k : chosen) ranges += std::string(ranges.empty() ? "" : " ") + CensusAgeRanges[k].option;
  SCOPED_TRACE(ranges);
  const CensusBirthYears result = censusBirthYears(choose(chosen));
  const std::vector<int> expected = oracleYears(chosen);
  EXPECT_EQ(result.years, expected);
  EXPECT_EQ(censusYearsText(result.years), oracleText(expected));
  EXPECT_EQ(result.censusCount, static_cast<int>(chosen.size()));
  EXPECT_EQ(result.contradiction(), chosen.size() > 1 && expected.empty());
}

TEST(CensusAgeRanges, EachRangeAdmitsTheYearsItsCaptionNames) {
  // Per census as the form shows them: 1790 male and female, then 1800 to 1840.
  std::vector<int> perCensus(kCensusCount);
  for (int k = 0; k < kRanges; ++k) {
    SCOPED_TRACE(CensusAgeRanges[k].option);
    ++perCensus[censusIndex(CensusAgeRanges[k].census)];
    EXPECT_EQ(CensusAgeRanges[k].earliest, derived(k).from);
    EXPECT_EQ(CensusAgeRanges[k].latest, derived(k).to);
  }
  EXPECT_EQ(perCensus, (std::vector<int>{3, 5, 5, 6, 13, 13}));
  // Two rows worked by hand, so that the oracle's own arithmetic is pinned too.
  EXPECT_EQ(derived(1800, "Under 10").to, 1799);
  EXPECT_EQ(derived(1840, "100 and Over").from, 1731);
}

TEST(CensusBirthYears, EverySingleRangeListsItsOwnYears) {
  for (int k = 0; k < kRanges; ++k) {
    expectAgrees({k});
    // A single census always lists at least three years, so never warns.
    EXPECT_GE(oracleYears({k}).size(), 3u);
  }
}

TEST(CensusBirthYears, EveryPairOfCensusesIsTheIntersection) {
  int pairs = 0;
  for (int a = 0; a < kRanges; ++a)
    for (int b = a + 1; b < kRanges; ++b)
      if (CensusAgeRanges[a].census != CensusAgeRanges[b].census) {
        expectAgrees({a, b});
        ++pairs;
      }
  // 3 * 42 + 5 * 37 + 5 * 32 + 6 * 26 + 13 * 13
  EXPECT_EQ(pairs, 126 + 185 + 160 + 156 + 169);
}

TEST(CensusBirthYears, RandomSelectionsOfThreeToSixCensuses) {
  std::mt19937 rng(1790);
  std::vector<std::vector<int>> byCensus(6);
  for (int k = 0; k < kRanges; ++k) byCensus[(CensusAgeRanges[k].census - 1790) / 10].push_back(k);
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
    auto it = std::find_if(CensusAgeRanges.begin(), CensusAgeRanges.end(),
                           [&](const AgeRange& r) { return std::string(r.option) == name; });
    if (it == CensusAgeRanges.end()) {
      ADD_FAILURE() << "no range " << name;
      continue;
    }
    choices.selected[it - CensusAgeRanges.begin()] = true;
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
