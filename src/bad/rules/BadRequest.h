#pragma once
// The calculate request of the Birth-Age-Death calculator, free of any window:
// from the texts of its nine entry boxes, which request it refuses, with which
// message and for which box, and what it computes for an accepted one. The
// form shows the refusal and moves the focus; the command line prints it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "bad/rules/BadArithmetic.h"
#include "forms/rules/Refusal.h"

namespace vantel {

// The value the user asks for: the option chosen on the form.
enum class BadMode { Birth, Age, Death };

// The entry boxes: cmbBMonth, cmbBDay, txtBYear, cmbAMonth, cmbADay, txtAYear,
// cmbDMonth, cmbDDay, txtDYear.
enum class BadBox {
  BirthMonth,
  BirthDay,
  BirthYear,
  AgeMonths,
  AgeDays,
  AgeYears,
  DeathMonth,
  DeathDay,
  DeathYear
};

// The texts of the entry boxes as typed or chosen; an empty text is an empty box.
struct BadEntries {
  std::array<std::string, 9> text;
  std::string& operator[](BadBox box) { return text[static_cast<std::size_t>(box)]; }
  const std::string& operator[](BadBox box) const { return text[static_cast<std::size_t>(box)]; }
};

struct BadRefusal {
  Refusal message;
  BadBox box;
  Correction correction;
};

// The checks of the request in their order, for the boxes the mode needs: each
// box filled, each year a number of at least 1583, the age in years a number of
// at least 0, a typed age in months a whole number of 0 to 12; in the
// missing-age mode, then, a death not before the birth.
std::optional<BadRefusal> calculateRefusal(BadMode mode, const BadEntries& entries);

// The entries as the computation takes them: month names as numbers 1 to 12
// (0 for any other text), every other text as a 16-bit number. Entries the
// mode does not use stay 0. Nothing when a text does not fit 16 bits.
struct BadValues {
  BadDate birth;
  BadAge age;
  BadDate death;
};
std::optional<BadValues> readValues(BadMode mode, const BadEntries& entries);

// The computed value, or the refusal of one the calculator does not show: a
// result beyond its 16-bit numbers, or a birth date before 1583.
struct BadResult {
  std::optional<BadDate> date;  // the birth or death date
  std::optional<BadAge> age;
  std::optional<BadRefusal> refusal;
};
BadResult computeMissing(BadMode mode, const BadValues& values);

// "Cannot Calculate!": the values cannot be calculated; the age in years is
// offered for correction, the death year in the missing-age mode.
BadRefusal cannotCalculate(BadMode mode);

// The 29-February message of the birth or death date, after the year as typed.
Refusal badNonLeapYear(std::string_view year, bool birth);

}  // namespace vantel
