#pragma once
// One case of the command-line calculator: the texts a user gives for one
// calculation, and its answer. The answer comes from the same rules the
// windows use, in the order their checks run, so that a case gives the result
// a window shows or the refusal it shows first.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "forms/rules/Refusal.h"

namespace vantel::cli {

enum class Kind { Birth, Age, Death, Weekday, Census };

// The census columns: 1790 (its gender read from the range), 1790M, 1790F,
// then 1800 to 1840.
inline constexpr std::array<std::string_view, 8> kCensusColumns{"1790", "1790M", "1790F", "1800",
                                                                "1810", "1820",  "1830",  "1840"};

struct Case {
  Kind kind = Kind::Birth;
  std::string_view born, died, age, date;
  // The age range captions, by kCensusColumns; empty for a census not given.
  std::array<std::string_view, kCensusColumns.size()> census{};
};

struct Answer {
  std::string result;              // empty when refused
  std::optional<Refusal> refusal;  // the window's refusal, or one of input it cannot read
  bool unreadable = false;         // the input is not a date, age or age range
};

Answer calculate(const Case& c, bool longForm);

}  // namespace vantel::cli
