#pragma once

#include "runtime/decimal/WorkingDecimal.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

// Only this many leading characters of a text take part in its conversion.
inline constexpr std::size_t maxConvertedTextLength = 99;

// The number at the start of `text`, after white space: an optional "-", digits, "." or ","
// as the decimal point, and an exponent after "e" or "E". Anything that is not such a number,
// or lies outside the working range, is zero.
WorkingDecimal decimalFromText(std::string_view text);

// "-", 32 digits, "." and 32 digits.
inline constexpr std::size_t maxPlainTextLength = 66;

// The plain form: "-" when negative, the integer digits ("0" below 1), and "." with the
// fraction digits down to the last non-zero one. Writes no terminator; returns the length.
std::size_t writePlainText(WorkingDecimal value, char* out);

} // namespace tamberlo
