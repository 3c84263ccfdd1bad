#include "runtime/decimal/DecimalArithmetic.h"

#include <algorithm>

namespace tamberlo {

namespace {

// |left| + |right| into left, with the given sign. The carry out of 10^31 is dropped, so sums
// wrap at 10^32 instead of growing past the 64 entries.
void addMagnitudes(WorkingDecimal& left, const WorkingDecimal& right, std::int8_t sign) {
    int low = std::min(left.low, right.low);
    int high = std::max(left.high, right.high);
    int carry = 0;
    for (int entry = low; entry <= high; ++entry) {
        int digit = left.digits[entry] + right.digits[entry] + carry;
        carry = digit >= 10;
        left.digits[entry] = static_cast<std::uint8_t>(carry ? digit - 10 : digit);
    }
    if (carry && high < 63)
        left.digits[++high] = 1;
    while (low < high && left.digits[low] == 0)
        ++low;
    bool nonZero = false;
    for (int entry = low; entry <= high && !nonZero; ++entry)
        nonZero = left.digits[entry] != 0;
    if (!nonZero) {
        left = WorkingDecimal{};
        return;
    }
    left.sign = sign;
    left.low = static_cast<std::uint8_t>(low);
    left.high = static_cast<std::uint8_t>(high);
    left.powerMark = WorkingDecimal::generalValue;
}

// |left| - |right| (or the reverse, with the sign flipped, when right is the larger) into
// left, over the range where the operands differ.
void subtractMagnitudes(WorkingDecimal& left, const WorkingDecimal& right, std::int8_t sign) {
    const int leftLow = left.low;
    const int leftHigh = left.high;
    int low = std::min(left.low, right.low);
    int high = std::max(left.high, right.high);
    while (high >= low && left.digits[high] == right.digits[high])
        --high;
    if (high < low) {
        left = WorkingDecimal{};
        return;
    }
    while (left.digits[low] == right.digits[low])
        ++low;
    const std::uint8_t* larger = left.digits.data();
    const std::uint8_t* smaller = right.digits.data();
    if (right.digits[high] > left.digits[high]) {
        std::swap(larger, smaller);
        sign = static_cast<std::int8_t>(-sign);
    }
    int borrow = 0;
    for (int entry = low; entry <= high; ++entry) {
        int digit = larger[entry] - smaller[entry] - borrow;
        borrow = digit < 0;
        left.digits[entry] = static_cast<std::uint8_t>(borrow ? digit + 10 : digit);
    }
    // Where the operands agree, left still holds its own digits.
    for (int entry = leftLow; entry < low; ++entry)
        left.digits[entry] = 0;
    for (int entry = high + 1; entry <= leftHigh; ++entry)
        left.digits[entry] = 0;
    left.sign = sign;
    left.low = static_cast<std::uint8_t>(low);
    left.high = static_cast<std::uint8_t>(high);
    left.powerMark = WorkingDecimal::generalValue;
}

// left + right, or left - right: the magnitudes add when the operands' signs agree for a sum
// or differ for a difference. The choice is a template argument so that each operator keeps
// its own code.
template <bool subtract>
[[gnu::always_inline]] inline void addSigned(WorkingDecimal& left, WorkingDecimal& right) {
    normalise(left);
    normalise(right);
    if (isZero(right))
        return;
    if (isZero(left))
        left = subtract ? negateDecimal(right) : right;
    else if ((left.sign == right.sign) != subtract)
        addMagnitudes(left, right, left.sign);
    else
        subtractMagnitudes(left, right, left.sign);
}

} // namespace

void addInPlace(WorkingDecimal& left, WorkingDecimal& right) {
    addSigned<false>(left, right);
}

void subtractInPlace(WorkingDecimal& left, WorkingDecimal& right) {
    addSigned<true>(left, right);
}

WorkingDecimal addDecimal(WorkingDecimal left, WorkingDecimal right) {
    addInPlace(left, right);
    return left;
}

WorkingDecimal subtractDecimal(WorkingDecimal left, WorkingDecimal right) {
    subtractInPlace(left, right);
    return left;
}

int compareInPlace(WorkingDecimal& left, WorkingDecimal& right) {
    normalise(left);
    normalise(right);
    if (left.sign != right.sign)
        return left.sign < right.sign ? -1 : 1;
    if (left.sign == 0)
        return 0;
    // Compare magnitudes, then turn the outcome round for negative operands.
    int magnitude = 0;
    if (left.high != right.high) {
        magnitude = left.high > right.high ? 1 : -1;
    } else {
        int entry = left.high;
        const int stop = std::max(left.low, right.low);
        while (entry >= stop && left.digits[entry] == right.digits[entry])
            --entry;
        if (entry >= stop)
            magnitude = left.digits[entry] > right.digits[entry] ? 1 : -1;
        else if (left.low != right.low)
            magnitude = left.low < right.low ? 1 : -1;
    }
    return left.sign < 0 ? -magnitude : magnitude;
}

int compareDecimal(WorkingDecimal left, WorkingDecimal right) {
    return compareInPlace(left, right);
}

} // namespace tamberlo
