#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "forms/rules/NumericText.h"

using namespace vantel;

TEST(NumericText, WhatCountsAsANumber) {
  struct Case {
    const char* text;
    bool numeric;
  };
  const Case cases[] = {
      {"", false},     {" ", false},     {"abc", false}, {"1583", true},   {"-1", true},
      {"+7", true},    {"12.5", true},   {".5", true},   {"5.", true},     {"1e5", true},
      {"9e99", true},  {"1E-3", true},   {"2e+2", true}, {" 12 ", true},   {"&H10", false},
      {"19x0", false}, {"12a", false},   {"1e", false},  {"e5", false},    {".", false},
      {"-", false},    {"1.2.3", false}, {"1 2", false}, {"9e999", false}, {"--1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isNumeric(c.text), c.numeric) << '"' << c.text << '"';
}

TEST(NumericText, HalvesRoundToEven) {
  struct Case {
    double x, rounded;
  };
  const Case cases[] = {{12.5, 12}, {13.5, 14}, {99.5, 100}, {0.5, 0}, {1.5, 2},   {-0.5, 0},
                        {-1.5, -2}, {-2.5, -2}, {2.4, 2},    {2.6, 3}, {-2.6, -3}, {7, 7}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.x), c.rounded) << c.x;
}

TEST(NumericText, SixteenBitConversionRefusesOverflow) {
  struct Case {
    const char* text;
    std::optional<std::int16_t> value;
  };
  const Case cases[] = {
      {"1900", 1900},
      {"12.5", 12},
      {"99.5", 100},
      {"-1", -1},
      {"32767", 32767},
      {"32767.4", 32767},
      {"32767.5", std::nullopt},
      {"32768", std::nullopt},
      {"-32768", -32768},
      {"-32768.5", -32768},
      {"-32769", std::nullopt},
      {"1e5", std::nullopt},
      {"9e99", std::nullopt},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"2e3", 2000},
  };
  for (const auto& c : cases) EXPECT_EQ(toInt16(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericText, ThirtyTwoBitConversionRefusesOverflow) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"1e5", 100000},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"-2147483648", -2147483647 - 1},
      {"9e99", std::nullopt},
      {"2.5", 2},
      {"x", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(toInt32(c.text), c.value) << '"' << c.text << '"';
}
