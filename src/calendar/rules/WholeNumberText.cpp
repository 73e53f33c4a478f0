#include "calendar/rules/WholeNumberText.h"

namespace vantel {

std::optional<int> wholeNumberIn(std::string_view text, int low, int high) {
  if (text.empty()) return std::nullopt;
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
