#include "forms/rules/NumericText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vantel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// True when the whole text has the shape [+-]digits[.digits][e[+-]digits], with
// at least one digit in the mantissa.
bool hasNumberShape(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < t.size() && isDigit(t[i])) ++i, ++mantissaDigits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == t.size();
}

template <class Int>
std::optional<Int> toInteger(std::string_view text) {
  const auto value = toDouble(text);
  if (!value) return std::nullopt;
  const double rounded = roundHalfEven(*value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> toDouble(std::string_view text) {
  std::string_view t = trimBlanks(text);
  if (!hasNumberShape(t)) return std::nullopt;
  if (t.front() == '+') t.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (error != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
    return std::nullopt;  // beyond double precision's range: not a number
  return value;
}

bool isNumeric(std::string_view text) { return toDouble(text).has_value(); }

double roundHalfEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<std::int16_t> toInt16(std::string_view text) { return toInteger<std::int16_t>(text); }
std::optional<std::int32_t> toInt32(std::string_view text) { return toInteger<std::int32_t>(text); }

}  // namespace vantel
