#include "cli/Calculation.h"

#include "bad/rules/BadRequest.h"
#include "calendar/rules/DateRefusals.h"
#include "census/rules/CensusRequest.h"
#include "cli/DateText.h"
#include "dow/rules/WeekdayRequest.h"

namespace vantel::cli {
namespace {

Answer unreadable(std::string title, std::string prompt) {
  return {{}, Refusal{std::move(prompt), std::move(title), Refusal::Critical}, true};
}

Answer unreadableDate(std::string_view what, std::string_view text) {
  return unreadable("Unreadable Date", "The " + std::string(what) + " \"" + std::string(text) +
                                           "\" is not a date: write it as 1871-03-12 or as "
                                           "March 12, 1871.");
}

Answer refused(Refusal refusal) { return {{}, std::move(refusal), false}; }

// The Birth-Age-Death request as the form makes it: the day checks made when
// a date's boxes are left, the calculate request, the computation, then the
// 29-February checks of the birth and the death date.
Answer birthAgeDeath(const Case& c, bool longForm) {
  const BadMode mode = c.kind == Kind::Birth ? BadMode::Birth
                       : c.kind == Kind::Age ? BadMode::Age
                                             : BadMode::Death;
  BadEntries e;
  std::optional<DateTexts> birth, death;
  if (mode != BadMode::Birth && !c.born.empty()) {
    if (!(birth = readDate(c.born))) return unreadableDate("birth date", c.born);
    e[BadBox::BirthMonth] = birth->month, e[BadBox::BirthDay] = birth->day;
    e[BadBox::BirthYear] = birth->year;
  }
  if (mode != BadMode::Death && !c.died.empty()) {
    if (!(death = readDate(c.died))) return unreadableDate("death date", c.died);
    e[BadBox::DeathMonth] = death->month, e[BadBox::DeathDay] = death->day;
    e[BadBox::DeathYear] = death->year;
  }
  if (mode != BadMode::Age && !c.age.empty()) {
    const auto age = readAge(c.age);
    if (!age)
      return unreadable("Unreadable Age", "The age \"" + std::string(c.age) +
                                              "\" is not an age: write it as 67y4m3d or as 67 "
                                              "Years, 4 Months and 3 Days.");
    e[BadBox::AgeYears] = age->years, e[BadBox::AgeMonths] = age->months;
    e[BadBox::AgeDays] = age->days;
  }

  for (const std::optional<DateTexts>* date : {&birth, &death})
    if (*date)
      if (auto r = monthLengthRefusal((*date)->month, (*date)->day)) return refused(std::move(*r));
  if (auto r = calculateRefusal(mode, e)) return refused(std::move(r->message));
  const auto values = readValues(mode, e);
  if (!values) return refused(cannotCalculate(mode).message);
  BadResult result = computeMissing(mode, *values);
  if (result.refusal) return refused(std::move(result.refusal->message));
  if (birth && leapDayOfCommonYear(birth->month, birth->day, birth->year))
    return refused(badNonLeapYear(birth->year, true));
  if (death && leapDayOfCommonYear(death->month, death->day, death->year))
    return refused(badNonLeapYear(death->year, false));
  return {result.age ? writeAge(*result.age, longForm) : writeDate(*result.date, longForm), {}};
}

Answer weekday(const Case& c) {
  const auto date = readDate(c.date);
  if (!date) return unreadableDate("date", c.date);
  DowOutcome outcome = weekdayRequest(date->month, date->day, date->year);
  if (outcome.refusal) return refused(std::move(outcome.refusal->message));
  if (!outcome.terms) return refused(Refusal{});  // no accepted date leaves 16 bits
  return {std::string(weekdayName(outcome.terms->DowRemainder)), {}};
}

// The census window's choices: each census given is ticked with the option
// of its caption; 1790's gender is the frame the caption is found in.
Answer censusYears(const Case& c) {
  census::CensusChoices choices;
  for (std::size_t col = 0; col < kCensusColumns.size(); ++col) {
    const std::string_view caption = c.census[col];
    if (caption.empty()) continue;
    const std::string_view column = kCensusColumns[col];
    int year = 0;
    for (char digit : column.substr(0, 4)) year = year * 10 + (digit - '0');
    const char gender = column.size() > 4 ? column[4] : 0;
    const int index = census::censusIndex(year);
    if (choices.checkValues[static_cast<std::size_t>(index)] == 1)
      return unreadable("Census Given Twice",
                        "The " + std::to_string(year) + " census is given more than once.");
    choices.checkValues[static_cast<std::size_t>(index)] = 1;
    std::string offered;
    bool found = false;
    for (std::size_t k = 0; k < census::kAgeRangeCount; ++k) {
      const census::AgeRange& range = census::CensusAgeRanges[k];
      if (range.census != year) continue;
      if (gender && std::string_view(range.frame).back() != gender) continue;
      offered += std::string(offered.empty() ? "\"" : ", \"") + range.caption + "\"";
      if (caption == range.caption) choices.selected[k] = found = true;
    }
    if (!found)
      return unreadable("Unknown Age Range",
                        "\"" + std::string(caption) + "\" is not an age range of the " +
                            std::string(column) + " census: it has " + offered + ".");
  }
  // A caption names its gender, so a ticked 1790 census always has one.
  if (auto r = census::selectionRefusal(choices, true)) return refused(std::move(*r));
  const census::CensusBirthYears years = census::censusBirthYears(choices);
  if (years.contradiction()) return refused(census::illogicalAgeRanges());
  std::string text = census::censusYearsText(years.years);
  if (!text.empty()) text.pop_back();  // the blank after the last year
  return {std::move(text), {}};
}

}  // namespace

Answer calculate(const Case& c, bool longForm) {
  switch (c.kind) {
    case Kind::Weekday: return weekday(c);
    case Kind::Census: return censusYears(c);
    default: return birthAgeDeath(c, longForm);
  }
}

}  // namespace vantel::cli
