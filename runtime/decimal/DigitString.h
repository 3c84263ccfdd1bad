#pragma once

#include "runtime/decimal/WorkingDecimal.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tamberlo {

// How a number reaches a display picture: its digits, most significant first and without a
// sign, the number of them that stand before the decimal point (0 or negative when zeros lie
// between the point and the first digit), and whether the number is negative.
struct DigitString {
    std::array<char, 64> digits{};
    std::uint8_t count = 0;
    int pointPosition = 0;
    bool negative = false;

    std::string_view view() const { return {digits.data(), count}; }
};

// The integer digits (at least one: a value below 1 gives "0") followed by the fraction digits
// down to the last non-zero one; the point position is the number of integer digits.
DigitString toDigitString(const WorkingDecimal& value);

} // namespace tamberlo
