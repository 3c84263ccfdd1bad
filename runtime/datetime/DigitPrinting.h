#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace tamberlo {

// The integer part of a digit string with its point position, as a date or time picture reads
// it. Values with more than 12 integer digits are far outside every date and time range and
// come back as the largest int64, so that a huge value never overflows.
inline std::int64_t integerPart(std::string_view digits, int pointPosition) {
    if (pointPosition <= 0)
        return 0;
    if (pointPosition > 12)
        return std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (int i = 0; i < pointPosition; ++i) {
        char c = static_cast<std::size_t>(i) < digits.size() ? digits[i] : '0';
        value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    }
    return value;
}

// Writes `length` spaces, as a blank-when-zero picture shows a value it hides; returns `length`.
inline std::size_t blankPicture(int length, char* out) {
    for (int i = 0; i < length; ++i)
        out[i] = ' ';
    return static_cast<std::size_t>(length);
}

// Writes `value` modulo 10^count as `count` digits; a zero digit prints its position's fill, so
// " 3" shows in a month whose first fill is a space and "03" where it is "0".
inline void printDigits(const PicturePosition* positions, int count, int value, char* out) {
    for (int i = count - 1; i >= 0; --i) {
        int digit = value % 10;
        value /= 10;
        out[i] = digit == 0 ? positions[i].fill : static_cast<char>('0' + digit);
    }
}

// The number of positions from `at` on that share its role: one element of a template.
inline int runLength(const CompiledPicture& picture, int at) {
    int end = at;
    while (end < picture.length && picture.positions[end].role == picture.positions[at].role)
        ++end;
    return end - at;
}

} // namespace tamberlo
