#pragma once
// The program-wide variables of the Birth-Age-Death calculator, reached with
// program.state<BadVariables>(). They belong to the program, not to the form:
// closing and reopening the form keeps them. All are 16-bit, as the calculator
// computes, and start at 0.

#include <cstdint>

namespace vantel {

struct BadVariables {
  // The entered values, read from the form by SetValues; a month is 1 to 12,
  // or 0 when its text is no month name. Fields the mode does not use stay 0.
  std::int16_t BirthMonth = 0;
  std::int16_t BirthDay = 0;
  std::int16_t BirthYear = 0;
  std::int16_t DeathMonth = 0;
  std::int16_t DeathDay = 0;
  std::int16_t DeathYear = 0;
  std::int16_t AgeYears = 0;
  std::int16_t AgeMonths = 0;
  std::int16_t AgeDays = 0;

  // The last values computed by BADcalC, each kept until the next calculation
  // of its mode.
  std::int16_t CalcAgeYears = 0;
  std::int16_t CalcAgeMonths = 0;
  std::int16_t CalcAgeDays = 0;
  std::int16_t CalcDeathYear = 0;
  std::int16_t CalcDeathMonth = 0;
  std::int16_t CalcDeathDay = 0;
  std::int16_t CalcBirthYear = 0;
  std::int16_t CalcBirthMonth = 0;
  std::int16_t CalcBirthDay = 0;

  // 1 while a computed result is shown (printing needs one), 0 once the user
  // picks which value is missing.
  std::int16_t BadResultShown = 0;
};

}  // namespace vantel
