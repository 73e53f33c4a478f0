#include "cli/DateText.h"

#include "calendar/rules/Calendar.h"
#include "calendar/rules/WholeNumberText.h"

namespace vantel::cli {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The leading run of digits of the text, taken off it.
std::string_view takeDigits(std::string_view& text) {
  std::size_t n = 0;
  while (n < text.size() && isDigit(text[n])) ++n;
  const std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

void skipBlanks(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

// Digits as the year box holds a year: no leading zeros. Up to nine digits,
// so that the checks see the number (and refuse what is too large for them).
std::optional<std::string> yearText(std::string_view digits) {
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  return std::string(digits);
}

std::optional<DateTexts> texts(int month, std::string_view dayDigits, std::string_view year) {
  const auto day = wholeNumberIn(dayDigits, 1, 31);
  const auto y = yearText(year);
  if (month < 1 || month > 12 || !day || dayDigits.size() > 2 || !y) return std::nullopt;
  return DateTexts{std::string(monthName(month)), std::to_string(*day), *y};
}

// 1871-03-12
std::optional<DateTexts> readIso(std::string_view text) {
  const std::string_view year = takeDigits(text);
  if (text.empty() || text.front() != '-') return std::nullopt;
  text.remove_prefix(1);
  const std::string_view month = takeDigits(text);
  if (text.empty() || text.front() != '-' || month.size() > 2) return std::nullopt;
  text.remove_prefix(1);
  const std::string_view day = takeDigits(text);
  if (!text.empty()) return std::nullopt;
  return texts(wholeNumberIn(month, 1, 12).value_or(0), day, year);
}

// March 12, 1871
std::optional<DateTexts> readLong(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const int month = monthNumber(text.substr(0, blank));
  text.remove_prefix(blank);
  skipBlanks(text);
  const std::string_view day = takeDigits(text);
  if (!text.empty() && text.front() == ',') text.remove_prefix(1);
  skipBlanks(text);
  const std::string_view year = takeDigits(text);
  if (!text.empty()) return std::nullopt;
  return texts(month, day, year);
}

bool sameLetters(std::string_view word, std::string_view lower) {
  if (word.size() != lower.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if ((word[i] | 0x20) != lower[i]) return false;
  return true;
}

// The unit a word names, in any case: 'y', 'm' or 'd' for y, year, years, m,
// month, months, d, day, days; 0 for any other word.
char unitOf(std::string_view word) {
  if (word.size() > 1 && (word.back() | 0x20) == 's') word.remove_suffix(1);
  for (std::string_view unit : {"year", "month", "day"})
    if (sameLetters(word, unit) || sameLetters(word, unit.substr(0, 1))) return unit[0];
  return 0;
}

}  // namespace

std::optional<DateTexts> readDate(std::string_view text) {
  skipBlanks(text);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && isDigit(text.front())) return readIso(text);
  return readLong(text);
}

std::optional<AgeTexts> readAge(std::string_view text) {
  std::optional<std::string> years, months, days;
  bool any = false;
  for (;;) {
    // Blanks, commas and "and" part the numbers.
    while (!text.empty() && (text.front() == ' ' || text.front() == ',')) text.remove_prefix(1);
    if (text.starts_with("and ")) text.remove_prefix(4);
    skipBlanks(text);
    if (text.empty()) break;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::string_view digits = takeDigits(text);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    skipBlanks(text);
    std::size_t n = 0;
    while (n < text.size() && ((text[n] | 0x20) >= 'a' && (text[n] | 0x20) <= 'z')) ++n;
    std::optional<std::string>* part = nullptr;
    switch (unitOf(text.substr(0, n))) {
      case 'y': part = &years; break;
      case 'm': part = &months; break;
      case 'd': part = &days; break;
      default: return std::nullopt;
    }
    if (*part) return std::nullopt;  // a unit given twice
    text.remove_prefix(n);
    *part = (negative ? "-" : "") + std::string(digits);
    any = true;
  }
  if (!any) return std::nullopt;
  return AgeTexts{years.value_or("0"), months.value_or("0"), days.value_or("0")};
}

std::string writeDate(BadDate date, bool longForm) {
  if (longForm) return dateText(date);
  // Years of four digits and more, months and days of two: 0812-03-05.
  std::string text = std::to_string(date.year);
  if (date.year >= 0 && text.size() < 4) text.insert(0, 4 - text.size(), '0');
  for (int part : {int{date.month}, int{date.day}}) {
    text += '-';
    text += static_cast<char>('0' + part / 10 % 10);
    text += static_cast<char>('0' + part % 10);
  }
  return text;
}

std::string writeAge(BadAge age, bool longForm) {
  if (longForm) return ageText(age);
  return std::to_string(age.years) + "y" + std::to_string(age.months) + "m" +
         std::to_string(age.days) + "d";
}

}  // namespace vantel::cli
