#pragma once
// The numbers a list box offers (days, age in months) when a user types one
// instead of choosing it: plain decimal digits, nothing else.

#include <optional>
#include <string_view>

namespace vantel {

// The value of a text of decimal digits only (no sign, decimal point, exponent
// or blank between them; blanks around them are allowed) when it lies from low
// to high; nothing otherwise.
std::optional<int> wholeNumberIn(std::string_view text, int low, int high);

}  // namespace vantel
