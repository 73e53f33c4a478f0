#include "bad/rules/BadRequest.h"

#include <string_view>
#include <tuple>

#include "calendar/rules/Calendar.h"
#include "calendar/rules/WholeNumberText.h"
#include "forms/rules/NumericText.h"

namespace vantel {
namespace {

// The calculator's dates are Gregorian, which it counts from 1583 on.
constexpr int kFirstGregorianYear = 1583;

enum class Test {
  Empty,
  NotANumber,  // or a number the 16-bit arithmetic cannot hold
  BelowYear1583,
  BelowZero,
  NotAnAgeInMonths  // a typed text that is not a whole number of 0 to 12
};

struct Check {
  BadBox box;
  Test test;
  std::string_view prompt;
  std::string_view title;
  int icon;
};

constexpr int kInfo = Refusal::Information;
constexpr int kStop = Refusal::Critical;

constexpr std::string_view kInvalidBirth = "This in not a valid birth year, please enter again.";
constexpr std::string_view kInvalidDeath = "This in not a valid death year, please enter again.";
constexpr std::string_view kInvalidAge =
    "This in not a valid age in years at time of death, please enter again.";
constexpr std::string_view kMissingAge = "Missing Age Field!";

constexpr std::array<Check, 5> kBirthChecks{{
    {BadBox::BirthMonth, Test::Empty, "Please select a birth month.", "Missing Birth Month!",
     kInfo},
    {BadBox::BirthDay, Test::Empty, "Please select a birth day.", "Missing Birth Day!", kInfo},
    {BadBox::BirthYear, Test::Empty, "Please enter a valid a birth year.", "Missing Birth Year!",
     kInfo},
    {BadBox::BirthYear, Test::NotANumber, kInvalidBirth, "Invalid Year! (Birth)", kStop},
    {BadBox::BirthYear, Test::BelowYear1583,
     "This in not a valid birth year, please enter again.  Remember, this application only "
     "calculates from 1583 or later.",
     "Julian Year! (Birth)", kInfo},
}};

// The death date's checks; the prompt for an empty year differs by mode.
constexpr std::array<Check, 5> deathChecks(std::string_view emptyYearPrompt) {
  return {{
      {BadBox::DeathMonth, Test::Empty, "Please select a death month.", "Missing Death Month!",
       kInfo},
      {BadBox::DeathDay, Test::Empty, "Please select a death day.", "Missing Death Day!", kInfo},
      {BadBox::DeathYear, Test::Empty, emptyYearPrompt, "Missing Death Year!", kInfo},
      {BadBox::DeathYear, Test::NotANumber, kInvalidDeath, "Invalid Year! (Death)", kStop},
      {BadBox::DeathYear, Test::BelowYear1583,
       "This in not a valid death year, please enter again.  Remember, this application only "
       "calculates from 1583 or later.",
       "Julian Year! (Death)", kInfo},
  }};
}

constexpr std::array<Check, 5> kAgeChecks{{
    {BadBox::AgeMonths, Test::Empty, "Please select an age (in months), at time of death.",
     kMissingAge, kInfo},
    {BadBox::AgeDays, Test::Empty, "Please select an age (in days), at time of death.", kMissingAge,
     kInfo},
    {BadBox::AgeYears, Test::Empty, "Please enter an age (in years), at time of death.",
     kMissingAge, kInfo},
    {BadBox::AgeYears, Test::NotANumber, kInvalidAge, "Invalid Year! (Age)", kStop},
    {BadBox::AgeYears, Test::BelowZero, kInvalidAge, "Invalid Year! (Age)", kStop},
}};

// The age in months may be typed: after every check of the fields, it must be a
// whole number the list offers.
constexpr Check kTypedMonthsCheck{
    BadBox::AgeMonths, Test::NotAnAgeInMonths,
    "This is not a valid age in months at time of death, please pick a number from 0 to 12.",
    "Invalid Age! (Months)", kStop};

bool fails(Test test, std::string_view t) {
  switch (test) {
    case Test::Empty: return t.empty();
    case Test::NotANumber: return !toInt16(t);
    case Test::BelowYear1583: return toDouble(t).value_or(0) < kFirstGregorianYear;
    case Test::BelowZero: return toDouble(t).value_or(-1) < 0;
    case Test::NotAnAgeInMonths: return !wholeNumberIn(t, 0, 12);
  }
  return false;
}

// How a failed check offers its box: an empty box gets the focus, a refused
// number has its entry selected, a typed age in months is put back selected.
Correction correctionOf(Test test) {
  if (test == Test::Empty) return Correction::Focus;
  if (test == Test::NotAnAgeInMonths) return Correction::SelectTyped;
  return Correction::SelectEntry;
}

// The first failing check of the lists, in order.
template <class... Lists>
std::optional<BadRefusal> firstFailing(const BadEntries& e, const Lists&... lists) {
  std::optional<BadRefusal> refusal;
  auto run = [&](const auto& list) {
    for (const Check& c : list) {
      if (refusal || !fails(c.test, e[c.box])) continue;
      refusal = BadRefusal{
          {std::string(c.prompt), std::string(c.title), c.icon}, c.box, correctionOf(c.test)};
    }
  };
  (run(lists), ...);
  return refusal;
}

// A day box holds a list item, "1" to "31"; any other text counts as 0.
int dayNumber(std::string_view t) { return wholeNumberIn(t, 0, 99).value_or(0); }

// A death before the birth would show a negative age. Both dates have passed
// their checks, so their years read cleanly.
std::optional<BadRefusal> deathBeforeBirth(const BadEntries& e) {
  auto date = [&e](BadBox month, BadBox day, BadBox year) {
    return std::tuple(*toInt16(e[year]), monthNumber(e[month]), dayNumber(e[day]));
  };
  if (date(BadBox::DeathMonth, BadBox::DeathDay, BadBox::DeathYear) >=
      date(BadBox::BirthMonth, BadBox::BirthDay, BadBox::BirthYear))
    return std::nullopt;
  return BadRefusal{{"The death date is before the birth date.  Please check both dates and "
                     "enter them again.",
                     "Death Before Birth!", kInfo},
                    BadBox::DeathYear,
                    Correction::SelectEntry};
}

}  // namespace

std::optional<BadRefusal> calculateRefusal(BadMode mode, const BadEntries& e) {
  const std::array<Check, 1> typedMonths{kTypedMonthsCheck};
  switch (mode) {
    case BadMode::Birth:
      return firstFailing(e, kAgeChecks, deathChecks("Please enter a valid death year."),
                          typedMonths);
    case BadMode::Age:
      if (auto r = firstFailing(e, kBirthChecks, deathChecks("Please enter a valid a death year.")))
        return r;
      return deathBeforeBirth(e);
    case BadMode::Death: return firstFailing(e, kBirthChecks, kAgeChecks, typedMonths);
  }
  return std::nullopt;
}

std::optional<BadValues> readValues(BadMode mode, const BadEntries& e) {
  BadValues v;
  bool readable = true;
  auto read = [&](std::int16_t& target, BadBox box) {
    if (const auto n = toInt16(e[box]))
      target = *n;
    else
      readable = false;
  };
  auto date = [&](BadDate& d, BadBox month, BadBox day, BadBox year) {
    d.month = static_cast<std::int16_t>(monthNumber(e[month]));
    read(d.day, day);
    read(d.year, year);
  };
  if (mode != BadMode::Birth)
    date(v.birth, BadBox::BirthMonth, BadBox::BirthDay, BadBox::BirthYear);
  if (mode != BadMode::Age) {
    read(v.age.days, BadBox::AgeDays);
    read(v.age.months, BadBox::AgeMonths);
    read(v.age.years, BadBox::AgeYears);
  }
  if (mode != BadMode::Death)
    date(v.death, BadBox::DeathMonth, BadBox::DeathDay, BadBox::DeathYear);
  if (!readable) return std::nullopt;
  return v;
}

BadResult computeMissing(BadMode mode, const BadValues& v) {
  BadResult r;
  switch (mode) {
    case BadMode::Birth:
      r.date = birthFromDeath(v.death, v.age);
      if (r.date && r.date->year < kFirstGregorianYear) {
        // The age and the death date are kept and the age in years is offered
        // for correction.
        r.date.reset();
        r.refusal = BadRefusal{
            {"The birth date calculated from this age and death date falls before 1583.  "
             "Remember, this application only calculates from 1583 or later.",
             "Julian Year! (Birth)", kInfo},
            BadBox::AgeYears,
            Correction::SelectEntry};
        return r;
      }
      break;
    case BadMode::Age: r.age = ageAtDeath(v.birth, v.death); break;
    case BadMode::Death: r.date = deathFromBirth(v.birth, v.age); break;
  }
  if (!r.date && !r.age) r.refusal = cannotCalculate(mode);
  return r;
}

BadRefusal cannotCalculate(BadMode mode) {
  return {{"The missing information cannot be calculated from these values.  Please check the "
           "years and the age you entered.",
           "Cannot Calculate!", kStop},
          mode == BadMode::Age ? BadBox::DeathYear : BadBox::AgeYears,
          Correction::SelectEntry};
}

Refusal badNonLeapYear(std::string_view year, bool birth) {
  const std::string word = birth ? "birth" : "death";
  return {std::string(year) +
              " is not a leap year and therefore only has 28 days, please pick another " + word +
              " day or enter a different " + word + " year.",
          birth ? "Non Leap Year! (Birth)" : "Non Leap Year! (Death)", Refusal::Information};
}

}  // namespace vantel
