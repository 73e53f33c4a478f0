#pragma once
// How the program reads numbers typed into its fields: the numeric test and the
// conversions to 16-bit and 32-bit integers and to double precision.
//
// A number is an optional sign, digits with an optional decimal point and an
// optional exponent, with blanks allowed around it. The empty text and a text of
// blanks are no number. Conversions round a fraction to the nearest integer and a
// half to the even one ("12.5" gives 12, "99.5" gives 100); a value that does not
// fit the integer type gives no result instead of wrapping.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantel {

bool isNumeric(std::string_view text);

// The value of a numeric text; nothing when the text is not numeric.
std::optional<double> toDouble(std::string_view text);

// The integer nearest to x, a half going to the even neighbour.
double roundHalfEven(double x);

// Nothing when the text is not numeric or the rounded value does not fit.
std::optional<std::int16_t> toInt16(std::string_view text);
std::optional<std::int32_t> toInt32(std::string_view text);

}  // namespace vantel
