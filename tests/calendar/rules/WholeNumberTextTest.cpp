#include <gtest/gtest.h>

#include "calendar/rules/WholeNumberText.h"

using namespace vantel;

TEST(WholeNumberText, DaysFrom1To31) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"1", 1},
      {"31", 31},
      {"07", 7},
      {"0", std::nullopt},
      {"32", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {" 1 ", 1},  // blanks around it do not count
      {"1 2", std::nullopt},
      {"-1", std::nullopt},
      {"+1", std::nullopt},
      {"12.5", std::nullopt},
      {"1e1", std::nullopt},
      {"&H10", std::nullopt},
      {"12a", std::nullopt},
      {"abc", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(wholeNumberIn(c.text, 1, 31), c.value) << '"' << c.text << '"';
}

TEST(WholeNumberText, MonthsOfAgeFrom0To12) {
  EXPECT_EQ(wholeNumberIn("0", 0, 12), 0);
  EXPECT_EQ(wholeNumberIn("12", 0, 12), 12);
  EXPECT_EQ(wholeNumberIn("13", 0, 12), std::nullopt);
}
