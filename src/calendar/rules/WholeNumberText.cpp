#include "calendar/rules/WholeNumberText.h"

namespace vantel {

std::optional<int> wholeNumberIn(std::string_view text, int low, int high) {
  // Blanks around the number do not count, as around a typed year.
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > high) return std::nullopt;  // also keeps long texts from overflowing
  }
  if (value < low) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace vantel
